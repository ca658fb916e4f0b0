#include "dpi_window.h"

#include "commands/placement.h"
#include "dpi_layout.h"
#include "forms/error_policy.h"

namespace dpi {

using forms::step;

DpiWindow::DpiWindow()
    : form_(layout()), Text1_(c("Text1")), Text2_(c("Text2")), Text3_(c("Text3")),
      Text4_(c("Text4")), Text5_(c("Text5")) {
    wire();
}

void DpiWindow::wire() {
    form_.onLoad = [this] { Form_Load(); };

    Text1_.onChange = [this] { Text1_Change(); };
    Text2_.onChange = [this] { Text2_Change(); };
    Text3_.onChange = [this] { Text3_Change(); };
    Text4_.onChange = [this] { Text4_Change(); };
    Text5_.onChange = [this] { Text5_Change(); };

    Text1_.onKeyPress = [this](int& code) { Text1_KeyPress(code); };
    Text2_.onKeyPress = [this](int& code) { Text2_KeyPress(code); };
    Text3_.onKeyPress = [this](int& code) { Text3_KeyPress(code); };
    Text4_.onKeyPress = [this](int& code) { Text4_KeyPress(code); };
    Text5_.onKeyPress = [this](int& code) { Text5_KeyPress(code); };

    Text1_.onGotFocus = [this] { Text1_GotFocus(); };
    Text2_.onGotFocus = [this] { Text2_GotFocus(); };
    Text3_.onGotFocus = [this] { Text3_GotFocus(); };
    Text4_.onGotFocus = [this] { Text4_GotFocus(); };
    Text1_.onLostFocus = [this] { Text1_LostFocus(); };
    Text2_.onLostFocus = [this] { Text2_LostFocus(); };
    Text3_.onLostFocus = [this] { Text3_LostFocus(); };
    Text4_.onLostFocus = [this] { Text4_LostFocus(); };

    c("Option1").onClick = [this] { Option1_Click(); };
    c("Option2").onClick = [this] { Option2_Click(); };
    c("Check1").onClick = [this] { Check1_Click(); };
}

// Start-up goes on past any failing step.
void DpiWindow::Form_Load() {
    step([&] { commands::CenterForm(form_); });
    // Stores the ratios of the default picture; its focus move fails here,
    // before the window is shown, and is meant to.
    step([&] { Check1_Click(); });
    step([&] { form_.show(); });
    step([&] { commands::SetWindowOnTop(form_); });
    step([&] { Text3_.SetFocus(); });
    step([&] { c("Label15").setVisible(true); });
    step([&] { c("Label16").setVisible(true); });
    // The mirror labels have the fields' size: put them over the fields.
    step([&] { c("Label15").setTop(Text1_.top()); });
    step([&] { c("Label16").setTop(Text2_.top()); });
    step([&] { c("Label15").setLeft(Text1_.left()); });
    step([&] { c("Label16").setLeft(Text2_.left()); });
    step([&] { Text1_.setVisible(false); });
    step([&] { Text2_.setVisible(false); });
}

} // namespace dpi
