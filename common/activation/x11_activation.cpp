#include "common/activation/x11_activation.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace activation::x11 {

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

enum Atom { ActiveWindow, StartupId, Utf8String, StartupInfoBegin, StartupInfo, AtomCount };

bool internAtoms(xcb_connection_t* c, std::array<xcb_atom_t, AtomCount>& atoms) {
    static const char* const names[AtomCount] = {"_NET_ACTIVE_WINDOW", "_NET_STARTUP_ID",
                                                 "UTF8_STRING", "_NET_STARTUP_INFO_BEGIN",
                                                 "_NET_STARTUP_INFO"};
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies;
    for (int i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(c, 0, std::strlen(names[i]), names[i]);
    bool all = true;
    for (int i = 0; i < AtomCount; ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr),
                                             &std::free);
        all = all && reply;
        if (reply) atoms[i] = reply->atom;
    }
    return all;
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
    return geometry ? geometry->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The launcher watches the root window for startup-notification messages:
// the text with its final zero byte in pieces of 20 bytes, the first of its
// own type. The window names the sender.
void sendStartupMessage(xcb_connection_t* c, xcb_window_t root, xcb_window_t window,
                        const std::array<xcb_atom_t, AtomCount>& atoms, QByteArray text) {
    text.append('\0');
    for (qsizetype offset = 0; offset < text.size(); offset += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = atoms[offset == 0 ? StartupInfoBegin : StartupInfo];
        std::memcpy(event.data.data8, text.constData() + offset,
                    std::min<qsizetype>(20, text.size() - offset));
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

} // namespace

quint32 startupIdTime(const QString& startupId) {
    const qsizetype at = startupId.lastIndexOf(QLatin1String("_TIME"));
    if (at < 0) return 0;
    bool ok = false;
    const quint32 time = startupId.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

QByteArray removeMessage(const QString& startupId) {
    QByteArray id = startupId.toUtf8();
    if (id.contains(' ') || id.contains('"') || id.contains('\\')) {
        id.replace('\\', "\\\\").replace('"', "\\\"");
        id = '"' + id + '"';
    }
    return "remove: ID=" + id;
}

bool activate(QWindow* window, const QString& startupId) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || !window) return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    std::array<xcb_atom_t, AtomCount> atoms{};
    const xcb_window_t root = rootOf(c, id);
    if (root == xcb_window_t(XCB_WINDOW_NONE) || !internAtoms(c, atoms)) return false;

    if (!startupId.isEmpty()) {
        // Window managers that follow startup ids activate a window whose id
        // changes; the launcher stops its feedback, as no new window comes.
        const QByteArray text = startupId.toUtf8();
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atoms[StartupId], atoms[Utf8String], 8,
                            text.size(), text.constData());
        sendStartupMessage(c, root, id, atoms, removeMessage(startupId));
    }

    // With the launcher's user time the window manager judges the request as
    // one from the application (source 1). Without one the request stands
    // for the user's own action, starting the program again (source 2, as
    // pagers and task bars send it).
    const quint32 time = startupIdTime(startupId);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = atoms[ActiveWindow];
    event.data.data32[0] = time != 0 ? 1 : 2;
    event.data.data32[1] = time != 0 ? time : XCB_CURRENT_TIME;
    event.data.data32[2] = XCB_WINDOW_NONE;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    return true;
}

} // namespace activation::x11
