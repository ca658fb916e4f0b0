#pragma once
#include "common/forms/form.h"

#include <QWidget>

#include <map>
#include <string>

class QAbstractButton;
class QButtonGroup;

namespace qtview {

// A real window for any declared form: builds the widgets from the
// declaration, mirrors every model change and forwards the user's typing,
// focus moves and clicks to the model.
class FormView : public QWidget, private forms::FormObserver {
    Q_OBJECT
public:
    explicit FormView(forms::Form& form);
    ~FormView() override;

    QWidget* widgetFor(const std::string& controlName) const;
    // The control a widget (or a widget inside it) stands for; null if none.
    forms::Control* controlFor(const QWidget* widget) const;

protected:
    // Tab and Shift+Tab: the model knows the tab stops (hidden controls, the
    // option group as one stop).
    bool focusNextPrevChild(bool next) override;

private:
    void controlChanged(forms::Control& control, forms::Property property) override;
    void formChanged(forms::FormProperty property) override;
    void focusMoved(forms::Control* now) override;

    QWidget* createWidget(forms::Control& control, QWidget* parent);
    void connectInput(forms::Control& control, QWidget* widget);
    void setTabOrder();
    void apply(forms::Control& control, forms::Property property);
    void applyText(forms::Control& control, QWidget* widget);
    void applyCaption(forms::Control& control, QWidget* widget);
    void applyValue(forms::Control& control);
    void applyCombo(forms::Control& control, QWidget* widget);
    void applyTopmost();
    void onFocusChanged(QWidget* old, QWidget* now);

    forms::Form& form_;
    std::map<const forms::Control*, QWidget*> widgets_;
    std::map<const QWidget*, forms::Control*> controls_;
    std::map<const forms::Control*, QButtonGroup*> optionGroups_; // by container
    QMetaObject::Connection focusConnection_;
    Qt::FocusReason modelFocusReason_ = Qt::OtherFocusReason;
    // While Qt handles an arrow key on an option button: the button it clicked.
    QAbstractButton** arrowClick_ = nullptr;
};

} // namespace qtview
