#include "format/format_window.h"

#include "common/commands/placement.h"
#include "common/commands/text_helpers.h"
#include "common/editing/numeric_field.h"
#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "format/format_foot_line.h"
#include "format/format_layout.h"
#include "format/format_picks.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

namespace format {

namespace {

using forms::step;

double valueOf(const forms::Control& field) {
    return value::toNumber(field.text());
}

// floor(value of the field x ratio), as plain digits; with a multiple
// chosen, the nearest multiple instead.
std::string scaled(const forms::Control& field, double ratio, Rounding rounding) {
    const double exact = value::checkedMul(valueOf(field), ratio);
    if (rounding == Rounding::WholePixels) return value::numberToText(value::intFloor(exact));
    return value::numberToText(computedSide(exact, rounding));
}

// "16:9 - 480 x 853": 16 and 9; nothing where the line names no whole ratio.
std::optional<std::pair<double, double>> namedRatio(const std::string& line) {
    std::string ratio = commands::TextBefore(line, "-");
    ratio = commands::StripSpaces(ratio);
    const auto colon = ratio.find(':');
    if (colon == std::string::npos) return std::nullopt;
    auto whole = [](std::string_view digits) -> double {
        if (digits.empty() || digits.size() > 3) return 0;
        double n = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') return 0;
            n = n * 10 + (c - '0');
        }
        return n;
    };
    const double w = whole(std::string_view(ratio).substr(0, colon));
    const double h = whole(std::string_view(ratio).substr(colon + 1));
    if (w <= 0 || h <= 0) return std::nullopt;
    return std::pair{w, h};
}

} // namespace

FormatWindow::FormatWindow()
    : form_(FormatLayout()), Text1_(form_.control("Text1")), Text2_(form_.control("Text2")),
      Combo1_(form_.control("Combo1")), Check1_(form_.control("Check1")),
      chkOnTop_(form_.control("chkOnTop")), Picture1_(form_.control("Picture1")),
      FootLine_(form_.control("FootLine")) {
    wire();
}

void FormatWindow::wire() {
    form_.onLoad = [this] {
        Form_Load();
        ShowFootLine();
    };
    form_.onPicks = [this](const forms::Control& c) { return picksFor(*this, c); };
    form_.afterEvents = [this] { ShowFootLine(); };
    // What a pick's undo puts back beside the controls.
    form_.onKeepState = [this] {
        return [this, ratios = std::pair{PxWidthPerHeight, PxHeightPerWidth},
                flags = std::pair{Text1Active, Text2Active}, preset = PresetSize,
                rounding = RoundTo, note = FrameNote] {
            std::tie(PxWidthPerHeight, PxHeightPerWidth) = ratios;
            std::tie(Text1Active, Text2Active) = flags;
            PresetSize = preset;
            RoundTo = rounding;
            FrameNote = note;
        };
    };
    Combo1_.onClick = [this] { Combo1_Click(); };
    Check1_.onClick = [this] { Check1_Click(); };
    chkOnTop_.onClick = [this] { chkOnTop_Click(); };
    Text1_.onChange = [this] { Text1_Change(); };
    Text2_.onChange = [this] { Text2_Change(); };
    // Only digits and Backspace: a size in pixels is a whole number.
    Text1_.onKeyPress = [](int& code) { editing::filterKey(code, false); };
    Text2_.onKeyPress = [](int& code) { editing::filterKey(code, false); };
    Text1_.onGotFocus = [this] { editing::gotFocus(Text1Active); };
    Text1_.onLostFocus = [this] { editing::lostFocus(Text1Active); };
    Text2_.onGotFocus = [this] { editing::gotFocus(Text2Active); };
    Text2_.onLostFocus = [this] { editing::lostFocus(Text2Active); };
}

void FormatWindow::Form_Load() {
    step([&] { commands::CenterForm(form_, commands::Clamp::ToScreen); });
    for (auto line : PresetLines())
        step([&] { Combo1_.AddItem(std::string(line)); });
    step([&] { Picture1_.setVisible(true); });
    // Captures the default ratio; its focus request fails while the window
    // is not shown yet, and Main moves the focus afterwards.
    step([&] { Check1_Click(); });
}

void FormatWindow::StoreAspectRatios() {
    // Both ratios or neither: an empty, non-numeric or zero side keeps the
    // previous pair, so no infinite or undefined ratio is ever stored.
    double widthPerHeight = value::checkedDiv(valueOf(Text2_), valueOf(Text1_));
    double heightPerWidth = value::checkedDiv(valueOf(Text1_), valueOf(Text2_));
    PxWidthPerHeight = widthPerHeight;
    PxHeightPerWidth = heightPerWidth;
}

void FormatWindow::Check1_Click() {
    if (Check1_.value() == 1) {
        Picture1_.setVisible(true);
        // A ratio that cannot be formed leaves the old one; the caret still
        // goes back to the height field.
        step([&] { StoreAspectRatios(); });
    } else {
        Picture1_.setVisible(false);
    }
    Text1_.SetFocus();
}

void FormatWindow::Text1_Change() {
    FrameNote.clear();                  // a side edited: the frame no longer holds this size
    if (!Text1Active.equals(1)) return; // written by the program
    if (Check1_.value() != 1) return;
    step([&] { Text2_.setText(scaled(Text1_, PxWidthPerHeight, RoundTo)); });
}

void FormatWindow::Text2_Change() {
    FrameNote.clear();
    if (!Text2Active.equals(1)) return;
    if (Check1_.value() != 1) return;
    step([&] { Text1_.setText(scaled(Text2_, PxHeightPerWidth, RoundTo)); });
}

void FormatWindow::Combo1_Click() {
    // Unlocked while the preset's two sides are written, so neither write
    // recomputes the other; locking again captures the preset's ratio.
    step([&] { Check1_.setValue(0); });
    step([] { forms::DoEvents(); });
    step([&] {
        std::string size = commands::TextAfterLastDash(Combo1_.text());
        PresetSize = commands::StripSpaces(size);
    });
    step([&] { Text1_.setText(commands::TextBefore(PresetSize, "x")); });
    step([&] { Text2_.setText(commands::TextAfter(PresetSize, "x")); });
    step([] { forms::DoEvents(); });
    step([&] { Check1_.setValue(1); });
    step([&] { KeepPresetRatio(); });
}

void FormatWindow::KeepPresetRatio() {
    // Only while the fields still hold the line's sides: keys typed while
    // the list's pending events ran keep the ratio they captured.
    if (Check1_.value() != 1 || PresetSize != Text1_.text() + "x" + Text2_.text()) return;
    const auto named = namedRatio(Combo1_.text());
    if (!named) return;
    // Within 1 % of the pixels, so that a line edited by hand is not taken
    // for a ratio it does not show.
    const double widthPerHeight = named->first / named->second;
    if (std::fabs(widthPerHeight / PxWidthPerHeight - 1) > 0.01) return;
    PxWidthPerHeight = widthPerHeight;
    PxHeightPerWidth = named->second / named->first;
}

void FormatWindow::ShowFootLine() {
    std::string text = footText(*this);
    if (text != FootLine_.caption()) FootLine_.setCaption(std::move(text));
}

void FormatWindow::chkOnTop_Click() {
    commands::SetWindowOnTop(form_, chkOnTop_.value() != 0);
    Text1_.SetFocus();
}

} // namespace format
