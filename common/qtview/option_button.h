#pragma once
#include <QRadioButton>

#include <functional>

namespace qtview {

// An option button. On an arrow key Qt clicks the next button of the group
// and only then moves the focus onto it; `aroundArrowKey` runs around that
// handling, so the view can let the key act as a mouse click does: the focus
// moves first, then the click lands, and the Click handler's own focus move
// is the last one.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

    std::function<void(const std::function<void()>& qtHandling)> aroundArrowKey;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace qtview
