#include "common/qtview/accessibility.h"

#include "common/qtview/foot_line.h"
#include "common/qtview/widget_style.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace qtview {

namespace {

// Which of the interfaces below a widget gets; set before Qt first asks.
const char* const accessibleKind = "qtview_accessible";
// On a caption label: the label shown in place of its field while the field
// is hidden. On such a label: the captions of its field.
const char* const mirrorProperty = "qtview_mirror";
const char* const captionsProperty = "qtview_captions";
enum Own { Decorative = 1, TextLabel, NamedList, Notice, Status };

class DecorativePicture : public QAccessibleWidget {
public:
    explicit DecorativePicture(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

class LabelText : public QAccessibleWidget {
public:
    explicit LabelText(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return label()->text();
        return QAccessibleWidget::text(t);
    }
    // Only what the label labels: its buddy, or what is shown in the
    // buddy's place while the buddy is hidden. A label shown in a field's
    // place is labelled by that field's captions and its frame.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> out;
        if ((match & QAccessible::Labelled) && label()->buddy()) {
            QWidget* target = label()->buddy();
            auto* mirror =
                qobject_cast<QWidget*>(label()->property(mirrorProperty).value<QObject*>());
            if (target->isHidden() && mirror && !mirror->isHidden()) target = mirror;
            out.append({QAccessible::queryAccessibleInterface(target), QAccessible::Labelled});
        }
        const auto captions = label()->property(captionsProperty).value<QObjectList>();
        if ((match & QAccessible::Label) && !captions.isEmpty() && !label()->isHidden()) {
            for (QObject* caption : captions)
                out.append({QAccessible::queryAccessibleInterface(caption), QAccessible::Label});
            for (QWidget* up = label()->parentWidget(); up; up = up->parentWidget())
                if (up->inherits("QGroupBox")) {
                    out.append({QAccessible::queryAccessibleInterface(up), QAccessible::Label});
                    break;
                }
        }
        return out;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// A passing note: a notification, named by its text, which AT-SPI reports
// when it starts showing; a screen reader speaks it then.
class NoticeText : public QAccessibleWidget {
public:
    explicit NoticeText(QLabel* l) : QAccessibleWidget(l, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// The foot line: a status bar named by its whole text, also where the
// line shows it cut.
class StatusText : public QAccessibleWidget {
public:
    explicit StatusText(FootLine* l) : QAccessibleWidget(l, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<FootLine*>(widget())->fullText();
        return QAccessibleWidget::text(t);
    }
};

// An editable combo box: the list and the edit part as children, as Qt has
// them, the shown line as its value and the popup as its action.
class ListWithName : public QAccessibleWidget {
public:
    explicit ListWithName(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == box()->view()) return 0;
        if (box()->lineEdit() && child->object() == box()->lineEdit()) return 1;
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != showMenuAction()) return QAccessibleWidget::doAction(name);
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ownFactory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    switch (w ? w->property(accessibleKind).toInt() : 0) {
    case Decorative:
        return new DecorativePicture(w);
    case TextLabel:
        if (auto* label = qobject_cast<QLabel*>(w)) return new LabelText(label);
        break;
    case NamedList:
        if (auto* box = qobject_cast<QComboBox*>(w)) return new ListWithName(box);
        break;
    case Notice:
        if (auto* label = qobject_cast<QLabel*>(w)) return new NoticeText(label);
        break;
    case Status:
        if (auto* line = dynamic_cast<FootLine*>(w)) return new StatusText(line);
        break;
    default:
        break;
    }
    return nullptr;
}

void useOwn(QWidget* w, Own kind) {
    static const bool installed = [] {
        QAccessible::installFactory(ownFactory);
        return true;
    }();
    (void)installed;
    w->setProperty(accessibleKind, static_cast<int>(kind));
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

const char* relationText(forms::LabelRole role) {
    switch (role) {
    case forms::LabelRole::Caption:
        return "Beschriftung von";
    case forms::LabelRole::Unit:
        return "Einheit von";
    case forms::LabelRole::Heading:
        return "Überschrift von";
    }
    return "";
}

} // namespace

void hideFromAssistiveTechnology(QWidget* picture) {
    useOwn(picture, Decorative);
}

void nameByTextAlone(QLabel* label) {
    useOwn(label, TextLabel);
}

void nameByAccessibleName(QComboBox* box) {
    useOwn(box, NamedList);
}

void announceAsNotification(QLabel* note) {
    useOwn(note, Notice);
}

void announceAsStatusLine(FootLine* line) {
    useOwn(line, Status);
}

void describeLabels(const forms::Form& form,
                    const std::map<const forms::Control*, QWidget*>& widgets) {
    for (const auto& label : form.controls()) {
        const forms::ControlDecl& d = label->decl();
        if (label->kind() != forms::Kind::Label || d.labelFor.empty()) continue;
        auto target = std::find_if(form.controls().begin(), form.controls().end(),
                                   [&](const auto& c) { return c->name() == d.labelFor; });
        if (target == form.controls().end()) continue;
        QWidget* w = widgets.at(label.get());
        if (d.accessibleDescription.empty())
            w->setAccessibleDescription(QString::fromUtf8(relationText(d.labelRole)) +
                                        QStringLiteral(" „") + qs(purpose(**target)) +
                                        QStringLiteral("“"));
        // A caption or heading also labels its control for assistive
        // technology (the "labelled by" relation), as Alt-key buddies do.
        QWidget* buddy = widgets.at(target->get());
        if (d.labelRole != forms::LabelRole::Unit && buddy->focusPolicy() != Qt::NoFocus) {
            static_cast<QLabel*>(w)->setBuddy(buddy);
            for (const auto& mirror : form.controls())
                if (mirror->decl().standsFor == d.labelFor) {
                    QWidget* m = widgets.at(mirror.get());
                    w->setProperty(mirrorProperty, QVariant::fromValue<QObject*>(m));
                    auto captions = m->property(captionsProperty).value<QObjectList>();
                    captions.append(w);
                    m->setProperty(captionsProperty, QVariant::fromValue(captions));
                }
        }
    }
}

} // namespace qtview
