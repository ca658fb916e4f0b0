#pragma once
#include "common/forms/control.h"

#include <QLineEdit>

namespace qtview {

// The line edit of a text box (and of a combo box's edit part). A typed
// character goes to the control's KeyPress handler first, then through the
// typing length limit, and only then into the widget; keys that deliver no
// character and the clipboard shortcuts are left alone. Pasted text is an
// editing command, not typing: neither the key filter nor the typing limit
// sees it.
class FieldEdit : public QLineEdit {
public:
    FieldEdit(forms::Control& control, QWidget* parent);

    // Tells the model where the caret and selection are now; it keeps them
    // only for what it must put back (a pick's undo).
    void tellCaret();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The characters that survive KeyPress (a handler may also replace one).
    QString filtered(const QString& typed);
    // Whether inserting `typed` in place of the selection keeps the limit.
    bool fits(const QString& typed) const;
    // Pastes the clipboard's text as one line.
    void pasteAsOneLine();

    forms::Control& control_;
};

} // namespace qtview
