#include "common/qtview/pick_menu.h"

#include "common/forms/form.h"
#include "common/qtview/field_edit.h"
#include "common/qtview/widget_style.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>

#include <algorithm>

namespace qtview {

namespace {

void addPick(QMenu* menu, forms::Form& form, const forms::Pick& pick) {
    // The entry's text is its whole name: no accelerator is read into it.
    QString text = qs(pick.text);
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    QAction* action = menu->addAction(text);
    action->setEnabled(pick.enabled);
    if (pick.checked) {
        action->setCheckable(true);
        action->setChecked(*pick.checked);
    }
    QObject::connect(action, &QAction::triggered, menu,
                     [&form, choose = pick.choose] { form.userPick(choose); });
}

// The caret the user left in the focused field is part of what a pick's
// undo puts back; the model learns it only now.
void keepFocusedCaret() {
    QWidget* focused = QApplication::focusWidget();
    if (auto* box = qobject_cast<QComboBox*>(focused)) focused = box->lineEdit();
    if (auto* edit = dynamic_cast<FieldEdit*>(focused)) edit->tellCaret();
}

} // namespace

void addPicks(QMenu* menu, const forms::Control& control) {
    const std::vector<forms::PickGroup> groups = control.form().picksFor(control);
    if (groups.empty()) return;
    keepFocusedCaret();
    forms::Form& form = control.form();
    menu->addSeparator();
    for (const forms::PickGroup& group : groups) {
        if (group.title.empty()) {
            for (const forms::Pick& pick : group.picks)
                addPick(menu, form, pick);
            continue;
        }
        QMenu* sub = menu->addMenu(qs(group.title));
        const bool none = std::none_of(group.picks.begin(), group.picks.end(),
                                       [](const forms::Pick& p) { return p.enabled; });
        if (none && !group.hint.empty()) sub->addAction(qs(group.hint))->setEnabled(false);
        for (const forms::Pick& pick : group.picks)
            addPick(sub, form, pick);
    }
}

} // namespace qtview
