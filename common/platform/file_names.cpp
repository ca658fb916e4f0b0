#include "common/platform/file_names.h"

#include <cstdint>

namespace platform {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The length of the well-formed UTF-8 sequence at `at`, or 0.
int sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return 1;
    int length = 0;
    std::uint8_t low = 0x80, high = 0xBF; // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;  // no overlong forms
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (int i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    return length;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

QString fileNameFromBytes(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = sequenceLength(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(EscapeBase + static_cast<std::uint8_t>(bytes[at])));
            ++at;
        } else {
            name += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return name;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = name[i].unicode();
        if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            bytes += char(unit - EscapeBase);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size && name[i + 1].isLowSurrogate()) {
            bytes += QStringView(name).mid(i, 2).toUtf8();
            ++i;
        } else {
            // A lone surrogate no file name decodes to comes out as U+FFFD.
            bytes += QStringView(name).mid(i, 1).toUtf8();
        }
    }
    return bytes;
}

QString fileNameFromUri(const QByteArray& uri) {
    if (!uri.left(5).toLower().startsWith("file:")) return {};
    QByteArray rest = uri.mid(5);
    // A query or a fragment is no part of a file's name.
    for (qsizetype i = 0; i < rest.size(); ++i)
        if (rest[i] == '?' || rest[i] == '#') {
            rest.truncate(i);
            break;
        }
    if (rest.startsWith("//")) {
        const qsizetype slash = rest.indexOf('/', 2);
        if (slash < 0) return {};
        const QByteArray host = rest.mid(2, slash - 2).toLower();
        if (!host.isEmpty() && host != "localhost") return {};
        rest = rest.mid(slash);
    }
    if (!rest.startsWith('/')) return {};
    QByteArray bytes;
    bytes.reserve(rest.size());
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] != '%') {
            bytes += rest[i];
            continue;
        }
        const int high = i + 2 < rest.size() ? hexValue(rest[i + 1]) : -1;
        const int low = i + 2 < rest.size() ? hexValue(rest[i + 2]) : -1;
        if (high < 0 || low < 0) return {};
        bytes += char(high * 16 + low);
        i += 2;
    }
    if (bytes.contains('\0')) return {};
    return fileNameFromBytes(bytes);
}

QString fileNameFromUri(const QString& uri) {
    return fileNameFromUri(fileNameBytes(uri));
}

QString uriFromFileName(const QString& name) {
    return QStringLiteral("file://") +
           QString::fromLatin1(fileNameBytes(name).toPercentEncoding("/", {}));
}

} // namespace platform
