#pragma once
#include <QLabel>
#include <QTimer>

namespace qtview {

// A short note at the foot of a window that goes away by itself after a few
// seconds; a later note replaces an earlier one. It lies over the window's
// controls without taking focus, clicks or space, so nothing else in the
// window changes, and a screen reader announces it.
class PassingNote : public QLabel {
public:
    explicit PassingNote(QWidget* window);

    void say(const QString& text);

    static constexpr int ShownMs = 4000;

private:
    QTimer hide_;
};

} // namespace qtview
