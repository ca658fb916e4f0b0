#include "common/qtview/accessibility.h"

#include "common/qtview/widget_style.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <string_view>

namespace qtview {

namespace {

const char* const decorativeProperty = "qtview_decorative";

class DecorativePicture : public QAccessibleWidget {
public:
    explicit DecorativePicture(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* decorativeFactory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (w && w->property(decorativeProperty).toBool()) return new DecorativePicture(w);
    return nullptr;
}

// What a control is for, as assistive technology names it; empty if it says
// nothing a label could refer to.
std::string purpose(const forms::Control& c) {
    const forms::ControlDecl& d = c.decl();
    if (!d.accessibleName.empty()) return d.accessibleName;
    if (c.kind() == forms::Kind::Label) return d.accessibleDescription;
    if (c.kind() == forms::Kind::CheckBox || c.kind() == forms::Kind::OptionButton)
        return c.caption();
    return {};
}

struct Span {
    int from, to;
};
int gap(Span a, Span b) {
    return std::max({0, b.from - a.to, a.from - b.to});
}
bool overlap(Span a, Span b) {
    return a.from < b.to && b.from < a.to;
}

} // namespace

void hideFromAssistiveTechnology(QWidget* picture) {
    static const bool installed = [] {
        QAccessible::installFactory(decorativeFactory);
        return true;
    }();
    (void)installed;
    picture->setProperty(decorativeProperty, true);
}

void describeLabels(const forms::Form& form,
                    const std::map<const forms::Control*, QWidget*>& widgets) {
    for (const auto& label : form.controls()) {
        if (label->kind() != forms::Kind::Label || !label->decl().accessibleDescription.empty())
            continue;
        const Span lx{label->left(), label->left() + label->width()};
        const Span ly{label->top(), label->top() + label->height()};
        const forms::Control* best = nullptr;
        const char* relation = nullptr;
        int bestGap = std::numeric_limits<int>::max();
        for (const auto& other : form.controls()) {
            if (other.get() == label.get() || other->container() != label->container() ||
                purpose(*other).empty())
                continue;
            const Span ox{other->left(), other->left() + other->width()};
            const Span oy{other->top(), other->top() + other->height()};
            const char* r = nullptr;
            int g = 0;
            if (overlap(lx, ox) && ly.from < oy.from) {
                r = "Überschrift von";
                g = gap(ly, oy);
            } else if (overlap(ly, oy)) {
                r = lx.from < ox.from ? "Beschriftung von" : "Einheit von";
                g = gap(lx, ox);
            }
            if (r && g < bestGap) {
                best = other.get();
                relation = r;
                bestGap = g;
            }
        }
        if (!best) continue;
        QWidget* w = widgets.at(label.get());
        w->setAccessibleDescription(QString::fromUtf8(relation) + QStringLiteral(" „") +
                                    qs(purpose(*best)) + QStringLiteral("“"));
        // A caption or heading also labels its control for assistive
        // technology (the "labelled by" relation), as Alt-key buddies do.
        auto* text = qobject_cast<QLabel*>(w);
        QWidget* target = widgets.at(best);
        if (text && std::string_view(relation) != "Einheit von" &&
            target->focusPolicy() != Qt::NoFocus)
            text->setBuddy(target);
    }
}

} // namespace qtview
