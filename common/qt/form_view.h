#pragma once
#include "forms/form.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

class QAbstractButton;
class QButtonGroup;

namespace qtview {

class ModelEcho;

// Pictures by name. Each program registers its own before it builds views,
// each one optionally also drawn at twice the size for high-density screens.
void addPicture(const std::string& name, const QPixmap& pixmap);
void addPicture(const std::string& name, const QPixmap& normal, const QPixmap& doubled);
// The picture for a screen of the given density, at its layout size
// (device pixel ratio set); null when there is none of that name.
QPixmap picture(const std::string& name, qreal density = 1.0);
// Both sizes as an icon, for the window's title bar and the task bar.
QIcon pictureIcon(const std::string& name);

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
    std::unique_ptr<ModelEcho> echo_;
    QMetaObject::Connection focusConnection_;
    Qt::FocusReason modelFocusReason_ = Qt::OtherFocusReason;
    // While Qt handles an arrow key on an option button: the button it clicked.
    QAbstractButton** arrowClick_ = nullptr;
};

// Connects the forms layer to the running application: the screen size and
// DoEvents.
void connectToolkit();

} // namespace qtview
