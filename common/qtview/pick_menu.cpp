#include "common/qtview/pick_menu.h"

#include "common/forms/form.h"
#include "common/qtview/widget_style.h"

#include <QAction>
#include <QMenu>

namespace qtview {

void addPicks(QMenu* menu, const forms::Control& control) {
    const std::vector<forms::PickGroup> groups = control.form().picksFor(control);
    if (groups.empty()) return;
    menu->addSeparator();
    for (const forms::PickGroup& group : groups) {
        QMenu* sub = menu->addMenu(qs(group.title));
        for (const forms::Pick& pick : group.picks) {
            // The entry's text is its whole name: no accelerator is read
            // into it.
            QString text = qs(pick.text);
            text.replace(QLatin1Char('&'), QLatin1String("&&"));
            QAction* action = sub->addAction(text);
            action->setEnabled(pick.enabled);
            QObject::connect(action, &QAction::triggered, menu,
                             [choose = pick.choose] { choose(); });
        }
    }
}

} // namespace qtview
