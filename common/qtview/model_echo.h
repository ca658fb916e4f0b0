#pragma once
#include "common/forms/form.h"

#include <cstdio>

namespace qtview {

// A seam for end-to-end tests: when CALC_ECHO_MODEL is set, every model
// change is printed as one line ("Text1.Text=768", "Option1.Value=1",
// "Label15.Visible=1", "focus=Text3", "window=shown"), flushed at once, so a
// test that drives the real program reads the last value of each. When the
// window is shown, the state of every control is printed first.
class ModelEcho : public forms::FormObserver {
public:
    ModelEcho(forms::Form& form, std::FILE* out);
    ~ModelEcho() override;
    ModelEcho(const ModelEcho&) = delete;
    ModelEcho& operator=(const ModelEcho&) = delete;

    // Whether the environment asks for the echo.
    static bool requested();
    // A line about what the view shows beside the model ("note=..."), on
    // standard output, when the echo is asked for.
    static void extraLine(const std::string& text);

private:
    void controlChanged(forms::Control& control, forms::Property property) override;
    void formChanged(forms::FormProperty property) override;
    void focusMoved(forms::Control* now) override;
    void line(const std::string& text);

    forms::Form& form_;
    std::FILE* out_;
};

} // namespace qtview
