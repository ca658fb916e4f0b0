#include "common/qtview/form_view.h"

#include "common/qtview/accessibility.h"
#include "common/qtview/combo_style.h"
#include "common/qtview/field_edit.h"
#include "common/qtview/foot_line.h"
#include "common/qtview/group_box_frame.h"
#include "common/qtview/option_button.h"
#include "common/qtview/pictures.h"
#include "common/qtview/selectable_labels.h"
#include "common/qtview/topmost.h"
#include "common/qtview/widget_style.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace qtview {

using forms::Control;
using forms::Kind;
using forms::Property;

namespace {

constexpr Qt::WindowFlags fixedWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

bool takesFocus(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::CheckBox || kind == Kind::OptionButton ||
           kind == Kind::ComboBox;
}

// Labels and images are drawn on their container's surface, beneath every
// control that is a window of its own: a mirror label lies under a field.
bool drawnOnContainer(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image;
}

Qt::Alignment labelAlignment(const forms::ControlDecl& d) {
    Qt::Alignment h = d.align == forms::Align::Right    ? Qt::AlignRight
                      : d.align == forms::Align::Center ? Qt::AlignHCenter
                                                        : Qt::AlignLeft;
    // A bordered label stands for a value, often over a field: centre it
    // vertically as the field does; other labels start at the top.
    return h | (d.border ? Qt::AlignVCenter : Qt::AlignTop);
}

// Sets a line edit's text without signals. A changed text leaves the caret at
// its end, focused or not, so typing goes on after a program's write.
void setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    QSignalBlocker block(edit);
    edit->setText(text);
}

} // namespace

FormView::FormView(forms::Form& form) : QWidget(nullptr, fixedWindow), form_(form) {
    setObjectName(qs(form.name()));
    setWindowTitle(qs(form.caption()));
    const QIcon icon = pictureIcon(form.icon());
    if (!icon.isNull()) setWindowIcon(icon);
    setFixedSize(pixels(form.clientWidth()), pixels(form.clientHeight()));

    for (const auto& c : form.controls()) {
        QWidget* parent = c->container() ? widgets_.at(c->container()) : this;
        QWidget* w = createWidget(*c, parent);
        w->setObjectName(qs(c->name()));
        widgets_[c.get()] = w;
        controls_[w] = c.get();
        w->resize(pixels(c->width()), pixels(c->height()));
        w->setFont(fontOf(c->decl().font));
        for (Property p : {Property::Text, Property::Left, Property::Locked, Property::Value,
                           Property::ForeColor, Property::Picture, Property::Items})
            apply(*c, p);
        if (drawnOnContainer(c->kind())) w->lower();
        w->setVisible(c->visible());
        connectInput(*c, w);
    }
    setTabOrder();
    describeLabels(form_, widgets_);

    form_.addObserver(this);
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &FormView::onFocusChanged);

    if (form_.left() != 0 || form_.top() != 0) formChanged(forms::FormProperty::Position);
    if (form_.topmost()) applyTopmost();
    if (form_.shown()) show();
}

FormView::~FormView() {
    // Destroying the widgets moves Qt's focus: nothing may reach the model then.
    disconnect(focusConnection_);
    form_.removeObserver(this);
}

QWidget* FormView::widgetFor(const std::string& controlName) const {
    for (const auto& [control, widget] : widgets_)
        if (control->name() == controlName) return widget;
    return nullptr;
}

Control* FormView::controlFor(const QWidget* widget) const {
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        auto it = controls_.find(w);
        if (it != controls_.end()) return it->second;
    }
    return nullptr;
}

QWidget* FormView::createWidget(Control& c, QWidget* parent) {
    const forms::ControlDecl& d = c.decl();
    QWidget* w = nullptr;
    switch (c.kind()) {
    case Kind::Frame:
        w = new QGroupBox(parent);
        preloadGroupBoxFrame();
        break;
    case Kind::TextBox: {
        w = new FieldEdit(c, parent);
        break;
    }
    case Kind::Label: {
        if (d.statusLine) {
            auto* line = new FootLine(parent);
            makeSelectable(line, c);
            w = line;
            break;
        }
        auto* label = new QLabel(parent);
        nameByTextAlone(label);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(d.wordWrap);
        label->setAlignment(labelAlignment(d));
        if (d.border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            // A bordered label shows a result: the user may copy it.
            makeSelectable(label, c);
        }
        w = label;
        break;
    }
    case Kind::CheckBox:
        w = new QCheckBox(parent);
        break;
    case Kind::OptionButton: {
        auto* button = new OptionButton(parent);
        button->aroundArrowKey = [this](const std::function<void()>& qtHandling) {
            QAbstractButton* clicked = nullptr;
            arrowClick_ = &clicked;
            qtHandling();
            arrowClick_ = nullptr;
            if (Control* target = clicked ? controlFor(clicked) : nullptr) {
                form_.userClick(*target);
                applyValue(*target);
            }
        };
        QButtonGroup*& group = optionGroups_[c.container()];
        if (!group) group = new QButtonGroup(this);
        group->addButton(button);
        w = button;
        break;
    }
    case Kind::ComboBox: {
        auto* box = new QComboBox(parent);
        nameByAccessibleName(box);
        box->setEditable(true);
        box->setLineEdit(new FieldEdit(c, box));
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        // Enter, or leaving the field, on a text that matches a line is no
        // choice of a line: only the list and the arrow keys choose.
        QObject::disconnect(box->lineEdit(), SIGNAL(returnPressed()), box, nullptr);
        QObject::disconnect(box->lineEdit(), SIGNAL(editingFinished()), box, nullptr);
        useListBelow(box);
        w = box;
        break;
    }
    case Kind::PictureBox:
    case Kind::Image: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A picture without a name only decorates: assistive technology
        // passes over it.
        if (d.accessibleName.empty()) hideFromAssistiveTechnology(label);
        w = label;
        break;
    }
    }
    if (!d.accessibleName.empty()) w->setAccessibleName(qs(d.accessibleName));
    // The combo's edit part is a text box of its own to assistive technology.
    if (auto* box = qobject_cast<QComboBox*>(w))
        box->lineEdit()->setAccessibleName(qs(d.accessibleName));
    if (!d.accessibleDescription.empty()) w->setAccessibleDescription(qs(d.accessibleDescription));
    if (takesFocus(c.kind()))
        w->setFocusPolicy(d.tabIndex >= 0 ? Qt::StrongFocus : Qt::ClickFocus);
    else
        w->setFocusPolicy(Qt::NoFocus);
    return w;
}

void FormView::connectInput(Control& c, QWidget* w) {
    switch (c.kind()) {
    case Kind::TextBox:
        connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
                [this, &c](const QString& text) { form_.userEdit(c, utf8(text)); });
        break;
    case Kind::ComboBox: {
        auto* box = static_cast<QComboBox*>(w);
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, &c](const QString& text) { form_.userEdit(c, utf8(text)); });
        connect(box, &QComboBox::activated, this, [this, &c, box](int index) {
            form_.userChoose(c, index);
            applyCombo(c, box);
        });
        break;
    }
    case Kind::CheckBox:
    case Kind::OptionButton:
        // Qt has toggled the button already; the model decides the value.
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, &c, w] {
            if (arrowClick_) {
                // An arrow key's click lands after its focus move.
                *arrowClick_ = static_cast<QAbstractButton*>(w);
                return;
            }
            form_.userClick(c);
            applyValue(c);
        });
        break;
    default:
        break;
    }
}

void FormView::setTabOrder() {
    std::vector<Control*> stops;
    for (const auto& c : form_.controls())
        if (takesFocus(c->kind()) && c->decl().tabIndex >= 0) stops.push_back(c.get());
    std::stable_sort(stops.begin(), stops.end(), [](Control* a, Control* b) {
        return a->decl().tabIndex < b->decl().tabIndex;
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(widgets_.at(stops[i - 1]), widgets_.at(stops[i]));
}

void FormView::controlChanged(Control& control, Property property) {
    apply(control, property);
}

void FormView::apply(Control& c, Property property) {
    QWidget* w = widgets_.at(&c);
    switch (property) {
    case Property::Text:
    case Property::Caption:
        if (c.kind() == Kind::TextBox || c.kind() == Kind::ComboBox)
            applyText(c, w);
        else
            applyCaption(c, w);
        break;
    case Property::Left:
    case Property::Top:
        w->move(pixels(c.left()), pixels(c.top()));
        break;
    case Property::Visible:
        w->setVisible(c.visible());
        break;
    case Property::Locked:
        if (c.kind() == Kind::TextBox) static_cast<QLineEdit*>(w)->setReadOnly(c.locked());
        if (c.kind() == Kind::ComboBox)
            static_cast<QComboBox*>(w)->lineEdit()->setReadOnly(c.locked());
        break;
    case Property::Value:
        applyValue(c);
        break;
    case Property::ForeColor:
        applyColors(w, c.kind(), c.foreColor(), c.decl().backColor);
        break;
    case Property::Picture:
        if (c.kind() == Kind::PictureBox || c.kind() == Kind::Image) {
            const QPixmap pixmap = picture(c.picture(), w->devicePixelRatioF());
            auto* label = static_cast<QLabel*>(w);
            if (pixmap.isNull())
                label->clear();
            else
                label->setPixmap(pixmap);
        }
        break;
    case Property::Items:
    case Property::ListIndex:
        if (c.kind() == Kind::ComboBox) applyCombo(c, w);
        break;
    case Property::Caret:
        if (c.kind() == Kind::TextBox || c.kind() == Kind::ComboBox) {
            auto* edit = c.kind() == Kind::TextBox ? static_cast<QLineEdit*>(w)
                                                   : static_cast<QComboBox*>(w)->lineEdit();
            QSignalBlocker block(edit);
            if (c.selLength() > 0)
                edit->setSelection(c.selStart(), c.selLength());
            else
                edit->setCursorPosition(c.selStart());
        }
        break;
    }
}

void FormView::applyText(Control& c, QWidget* w) {
    if (c.kind() == Kind::ComboBox)
        applyCombo(c, w);
    else
        setEditText(static_cast<QLineEdit*>(w), qs(c.text()));
}

void FormView::applyCaption(Control& c, QWidget* w) {
    const QString caption = qs(c.caption());
    switch (c.kind()) {
    case Kind::Frame:
        static_cast<QGroupBox*>(w)->setTitle(caption);
        w->setAccessibleName(caption);
        break;
    case Kind::Label:
        if (auto* line = dynamic_cast<FootLine*>(w)) {
            line->setFullText(caption);
            break;
        }
        static_cast<QLabel*>(w)->setText(caption);
        w->setAccessibleName(caption);
        break;
    case Kind::CheckBox:
    case Kind::OptionButton: {
        // The caption wraps beside the indicator when it is too long.
        const bool check = c.kind() == Kind::CheckBox;
        QStyle* s = w->style();
        int indicator =
            s->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth,
                           nullptr, w) +
            s->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                 : QStyle::PM_RadioButtonLabelSpacing,
                           nullptr, w);
        static_cast<QAbstractButton*>(w)->setText(
            wrapCaption(caption, w->font(), w->width() - indicator));
        // The caption says what the box is for, unwrapped.
        if (c.decl().accessibleName.empty()) w->setAccessibleName(caption);
        break;
    }
    default:
        break;
    }
}

void FormView::applyValue(Control& c) {
    if (c.kind() == Kind::CheckBox) {
        auto* box = static_cast<QCheckBox*>(widgets_.at(&c));
        QSignalBlocker block(box);
        box->setCheckState(c.value() == 1   ? Qt::Checked
                           : c.value() == 2 ? Qt::PartiallyChecked
                                            : Qt::Unchecked);
        return;
    }
    if (c.kind() != Kind::OptionButton) return;
    // The whole group as the model has it; the group's exclusiveness would
    // refuse to clear the selected button on its own.
    for (const auto& other : form_.controls()) {
        if (other->kind() != Kind::OptionButton || other->container() != c.container()) continue;
        auto it = widgets_.find(other.get());
        if (it == widgets_.end()) continue; // not built yet
        auto* button = static_cast<QAbstractButton*>(it->second);
        QSignalBlocker block(button);
        QButtonGroup* group = button->group();
        if (group) group->setExclusive(false);
        button->setChecked(other->value() != 0);
        if (group) group->setExclusive(true);
    }
}

void FormView::applyCombo(Control& c, QWidget* w) {
    auto* box = static_cast<QComboBox*>(w);
    QSignalBlocker block(box);
    const auto& items = c.items();
    // A list filled line by line only gains lines at its end: those are
    // appended, where refilling would add every earlier line once more.
    std::size_t kept = 0;
    while (kept < items.size() && static_cast<int>(kept) < box->count() &&
           box->itemText(static_cast<int>(kept)) == qs(items[kept]))
        ++kept;
    if (static_cast<int>(kept) < box->count()) {
        box->clear();
        kept = 0;
    }
    for (std::size_t i = kept; i < items.size(); ++i)
        box->addItem(qs(items[i]));
    if (box->currentIndex() != c.listIndex()) box->setCurrentIndex(c.listIndex());
    setEditText(box->lineEdit(), qs(c.text()));
}

void FormView::applyTopmost() {
    setStaysOnTop(this, form_.topmost());
}

void FormView::formChanged(forms::FormProperty property) {
    switch (property) {
    case forms::FormProperty::Position:
        move(pixels(form_.left()), pixels(form_.top()));
        break;
    case forms::FormProperty::Shown:
        if (form_.shown()) show();
        break;
    case forms::FormProperty::Topmost:
        applyTopmost();
        break;
    }
}

void FormView::focusMoved(Control* now) {
    if (!now) return;
    QWidget* w = widgets_.at(now);
    if (!w->hasFocus()) w->setFocus(modelFocusReason_);
}

bool FormView::focusNextPrevChild(bool next) {
    modelFocusReason_ = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    form_.userTab(!next);
    modelFocusReason_ = Qt::OtherFocusReason;
    return true;
}

void FormView::onFocusChanged(QWidget* old, QWidget* now) {
    Control* c = now ? controlFor(now) : nullptr;
    if (!c || form_.focused() == c) return;
    Control* modelFocus = form_.focused();
    if (!old) {
        // The window came to the front and Qt restored a focus of its own:
        // the model's focus stands, and no event is raised for it.
        if (modelFocus) widgets_.at(modelFocus)->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    form_.userFocus(*c);
    // A control the model cannot focus gives the focus back.
    if (form_.focused() != c && form_.focused())
        widgets_.at(form_.focused())->setFocus(Qt::OtherFocusReason);
}

} // namespace qtview
