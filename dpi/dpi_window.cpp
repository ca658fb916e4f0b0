#include "dpi/dpi_window.h"

#include "common/commands/placement.h"
#include "common/forms/error_policy.h"
#include "dpi/dpi_foot_line.h"
#include "dpi/dpi_layout.h"
#include "dpi/dpi_picks.h"

#include <tuple>
#include <utility>

namespace dpi {

using forms::step;

DpiWindow::DpiWindow()
    : form_(layout()), Text1_(c("Text1")), Text2_(c("Text2")), Text3_(c("Text3")),
      Text4_(c("Text4")), Text5_(c("Text5")), Check1_(c("Check1")), Option1_(c("Option1")),
      Option2_(c("Option2")), Frame1_(c("Frame1")), Frame2_(c("Frame2")), Label10_(c("Label10")),
      Label12_(c("Label12")), Label14_(c("Label14")), Label15_(c("Label15")),
      Label16_(c("Label16")), FootLine_(c("FootLine")), Image1_(c("Image1")),
      Picture1_(c("Picture1")), Picture2_(c("Picture2")), Picture3_(c("Picture3")),
      Picture4_(c("Picture4")), Picture5_(c("Picture5")), Picture6_(c("Picture6")),
      Picture7_(c("Picture7")) {
    wire();
}

void DpiWindow::wire() {
    form_.onLoad = [this] {
        Form_Load();
        ShowFootLine();
    };
    form_.onPicks = [this](const forms::Control& c) { return picksFor(*this, c); };

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

    Option1_.onClick = [this] { Option1_Click(); };
    Option2_.onClick = [this] { Option2_Click(); };
    Check1_.onClick = [this] { Check1_Click(); };

    form_.afterEvents = [this] { ShowFootLine(); };
    // What a pick's undo puts back beside the controls.
    form_.onKeepState = [this] {
        return [this, px = std::pair{PxWidthPerHeight, PxHeightPerWidth},
                cm = std::pair{CmWidthPerHeight, CmHeightPerWidth},
                flags = std::tuple{Text1Active, Text2Active, Text3Active, Text4Active}] {
            std::tie(PxWidthPerHeight, PxHeightPerWidth) = px;
            std::tie(CmWidthPerHeight, CmHeightPerWidth) = cm;
            std::tie(Text1Active, Text2Active, Text3Active, Text4Active) = flags;
        };
    };
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
    step([&] { Label15_.setVisible(true); });
    step([&] { Label16_.setVisible(true); });
    // The mirror labels have the fields' size: put them over the fields.
    step([&] { Label15_.setTop(Text1_.top()); });
    step([&] { Label16_.setTop(Text2_.top()); });
    step([&] { Label15_.setLeft(Text1_.left()); });
    step([&] { Label16_.setLeft(Text2_.left()); });
    step([&] { Text1_.setVisible(false); });
    step([&] { Text2_.setVisible(false); });
}

void DpiWindow::ShowFootLine() {
    std::string text = footText(*this);
    if (text != FootLine_.caption()) FootLine_.setCaption(std::move(text));
}

} // namespace dpi
