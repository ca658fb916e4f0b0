#include "common/qtview/selectable_labels.h"

#include "common/qtview/number_selection.h"
#include "common/qtview/pick_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace qtview {

namespace {

const char* const selectableProperty = "qtview_selectable";

// What the label shows selected, as a user would type it: the foot line
// keeps its items together with non-breaking spaces, which are plain ones
// on the clipboard.
QString selected(const QLabel* label) {
    return label->selectedText().replace(QChar::Nbsp, QLatin1Char(' '));
}

// The label's selection is the only one: the other labels' and the focused
// field's go.
void deselectOthers(QLabel* label) {
    clearLabelSelections(label->window(), label);
    QWidget* focused = QApplication::focusWidget();
    if (auto* box = qobject_cast<QComboBox*>(focused)) focused = box->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(focused)) edit->deselect();
}

class SelectionWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && event->type() == QEvent::MouseButtonDblClick) {
            // The label selects the word first; a number is then taken whole.
            static_cast<QObject*>(label)->event(event);
            if (label->hasSelectedText()) {
                const TextRange word{label->selectionStart(),
                                     static_cast<int>(label->selectedText().size())};
                const TextRange number = wholeNumberAround(label->text(), word);
                label->setSelection(number.start, number.length);
                offerAsPrimarySelection(selected(label));
                deselectOthers(label);
            }
            return true;
        }
        if (label && event->type() == QEvent::MouseButtonRelease && label->hasSelectedText())
            deselectOthers(label);
        return false;
    }
};

// Copy and Select All, in Qt's own (German) words. A plain-text label
// offers no menu of its own.
void showMenu(QLabel* label, const forms::Control& control, const QPoint& at) {
    auto* menu = new QMenu(label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy =
        menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), label,
                        [label] { QGuiApplication::clipboard()->setText(selected(label)); });
    copy->setEnabled(label->hasSelectedText());
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), label,
                    [label] {
                        label->setSelection(0, static_cast<int>(label->text().size()));
                        deselectOthers(label);
                    });
    addPicks(menu, control);
    menu->popup(label->mapToGlobal(at));
}

} // namespace

void makeSelectable(QLabel* label, const forms::Control& control) {
    static SelectionWatch* watch = new SelectionWatch(qApp);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setProperty(selectableProperty, true);
    label->installEventFilter(watch);
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(label, &QWidget::customContextMenuRequested, label,
                     [label, &control](const QPoint& at) { showMenu(label, control, at); });
}

QString selectedLabelText(const QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->property(selectableProperty).toBool() && label->hasSelectedText())
            return selected(label);
    return {};
}

void clearLabelSelections(const QWidget* window, const QLabel* except) {
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label != except && label->property(selectableProperty).toBool() &&
            label->hasSelectedText())
            label->setSelection(0, 0);
}

} // namespace qtview
