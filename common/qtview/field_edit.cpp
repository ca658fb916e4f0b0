#include "common/qtview/field_edit.h"

#include "common/forms/form.h"
#include "common/forms/key_codes.h"
#include "common/qtview/number_selection.h"
#include "common/qtview/pick_menu.h"
#include "common/qtview/selectable_labels.h"
#include "common/qtview/widget_style.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

namespace qtview {

namespace {

using forms::keys::Backspace;

bool isClipboardShortcut(QKeyEvent* event) {
    for (auto key : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
                     QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event->matches(key)) return true;
    return false;
}

// The character code that a key delivers to KeyPress, or 0 for keys that
// deliver none (Delete, arrows, function keys, Ctrl combinations).
int controlCode(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return forms::keys::Enter;
    case Qt::Key_Escape:
        return forms::keys::Escape;
    default:
        return 0;
    }
}

bool isPrintable(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

// Qt names the standard menu's Paste action "edit-paste" from 6.5 on; before,
// it is the one that shows the Paste shortcut, in whatever language.
bool isPasteAction(const QAction* action) {
    if (action->objectName() == QLatin1String("edit-paste")) return true;
    const QString key = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    return !key.isEmpty() && action->text().endsWith(QLatin1Char('\t') + key);
}

} // namespace

FieldEdit::FieldEdit(forms::Control& control, QWidget* parent)
    : QLineEdit(parent), control_(control) {
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        if (hasSelectedText()) clearLabelSelections(window());
    });
}

void FieldEdit::tellCaret() {
    if (hasSelectedText())
        control_.setSelection(selectionStart(), static_cast<int>(selectedText().size()));
    else
        control_.setSelection(cursorPosition(), 0);
}

QString FieldEdit::filtered(const QString& typed) {
    QString kept;
    for (QChar c : typed) {
        int code = control_.form().userKeyPress(control_, c.unicode());
        auto unit = static_cast<char16_t>(code & 0xFFFF);
        if (unit >= 0x20 && unit != 0x7F) kept += QChar(unit);
    }
    return kept;
}

bool FieldEdit::fits(const QString& typed) const {
    const QString t = text();
    int start = hasSelectedText() ? selectionStart() : cursorPosition();
    int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    QString after = t.left(start) + typed + t.mid(start + length);
    return control_.form().typedTextFits(control_, utf8(after));
}

void FieldEdit::pasteAsOneLine() {
    if (isReadOnly()) return;
    QString text = QGuiApplication::clipboard()->text();
    // One line, as the field itself would take it. The length limit is a
    // limit on typing: pasted text arrives whole.
    text.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (text.isEmpty()) return;
    // insert() counts as the user's edit: textEdited reaches the model.
    insert(text);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (!isPasteAction(action)) continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, &FieldEdit::pasteAsOneLine);
    }
    addPicks(menu, control_);
    menu->popup(event->globalPos());
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (!hasSelectedText()) return;
    const TextRange word{selectionStart(), static_cast<int>(selectedText().size())};
    const TextRange number = wholeNumberAround(text(), word);
    if (number.start == word.start && number.length == word.length) return;
    setSelection(number.start, number.length);
    offerAsPrimarySelection(selectedText());
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the context menu, as the Menu key does; Qt leaves
    // it to the program.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menuEvent);
        event->accept();
        return;
    }
    // Directly after a pick, undo and redo are the whole window's: the pick
    // wrote several fields and the lock.
    if ((event->matches(QKeySequence::Undo) && control_.form().undoPick()) ||
        (event->matches(QKeySequence::Redo) && control_.form().redoPick())) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteAsOneLine();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        // A result label's selection, made while the caret stayed here.
        const QString selected = selectedLabelText(window());
        if (!selected.isEmpty()) {
            QGuiApplication::clipboard()->setText(selected);
            event->accept();
            return;
        }
    }
    if (isClipboardShortcut(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (int code = controlCode(event)) {
        // Backspace, Enter and Escape are KeyPress codes too; cancelled, the
        // key does nothing at all.
        if (control_.form().userKeyPress(control_, code) == 0) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if ((event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) ||
        !isPrintable(event->text())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = filtered(event->text());
    if (typed.isEmpty() || control_.locked() || !fits(typed)) {
        event->accept();
        return;
    }
    if (typed == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), 0, event->modifiers(), typed, event->isAutoRepeat());
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void FieldEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Characters composed by an input method are typed characters as well.
    if (event->commitString().isEmpty() || !event->preeditString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const QString typed = filtered(event->commitString());
    if (typed.isEmpty() || control_.locked() || !fits(typed)) {
        event->accept();
        return;
    }
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(typed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&replaced);
}

} // namespace qtview
