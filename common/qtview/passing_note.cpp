#include "common/qtview/passing_note.h"

#include "common/qtview/accessibility.h"
#include "common/qtview/foot_line.h"

#include <algorithm>

namespace qtview {

namespace {

constexpr int Margin = 6;

} // namespace

PassingNote::PassingNote(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("passingNote"));
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The colours of a tool tip: the desktop's own for a passing hint.
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(Margin);
    announceAsNotification(this);
    hide();
    hide_.setSingleShot(true);
    hide_.setInterval(ShownMs);
    connect(&hide_, &QTimer::timeout, this, &QWidget::hide);
}

void PassingNote::say(const QString& text) {
    // Hidden first, so that a screen reader hears a replacing note as new.
    hide();
    setText(text);
    const QWidget* window = parentWidget();
    if (const FootLine* line = window->findChild<FootLine*>()) {
        // In the foot line's place; its own text is back when the note goes.
        const QRect place(line->mapTo(window, QPoint(0, 0)), line->size());
        setFont(line->font());
        setMargin(1);
        const int height = std::max(place.height(), heightForWidth(place.width()));
        setGeometry(place.left(), place.bottom() + 1 - height, place.width(), height);
    } else {
        const int width = window->width() - 2 * Margin;
        const int height = std::min(heightForWidth(width), window->height() - 2 * Margin);
        setGeometry(Margin, window->height() - Margin - height, width, height);
    }
    raise();
    show();
    hide_.start();
}

} // namespace qtview
