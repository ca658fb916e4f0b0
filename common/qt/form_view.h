#pragma once
#include "forms/form.h"

#include <QPixmap>
#include <QWidget>

#include <map>
#include <string>

namespace qtview {

// Pictures by name. Each program registers its own before it builds views.
void addPicture(const std::string& name, const QPixmap& pixmap);
QPixmap picture(const std::string& name);

// A real window for any declared form: builds the widgets from the
// declaration, mirrors every model change and forwards the user's typing,
// focus moves and clicks to the model.
class FormView : public QWidget, private forms::FormObserver {
    Q_OBJECT
public:
    explicit FormView(forms::Form& form);
    ~FormView() override;

    QWidget* widgetFor(const std::string& controlName) const;

private:
    void controlChanged(forms::Control& control, forms::Property property) override;
    void formChanged(forms::FormProperty property) override;
    void focusMoved(forms::Control* now) override;

    forms::Form& form_;
    std::map<const forms::Control*, QWidget*> widgets_;
};

// Connects the forms layer to the running application: the screen size and
// DoEvents.
void connectToolkit();

} // namespace qtview
