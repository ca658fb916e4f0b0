#pragma once
#include "common/forms/form.h"
#include "common/value/variant.h"
#include "format/encoder_sizes.h"

#include <string>

namespace format {

// The frmFormat window: a preset list of frame sizes and two fields for a
// height and a width in pixels. While "Proportionen erhalten" is ticked,
// typing one side recomputes the other with the ratio captured when the box
// was last ticked, rounded down to whole pixels or, where the user chose so,
// to the nearest multiple that video encoders accept.
class FormatWindow {
public:
    FormatWindow();
    FormatWindow(const FormatWindow&) = delete;
    FormatWindow& operator=(const FormatWindow&) = delete;

    forms::Form& form() { return form_; }

    // Window-level state. The ratios change only when the lock is switched
    // on; a flag is 1 while its field has the focus.
    double PxWidthPerHeight = 0;
    double PxHeightPerWidth = 0;
    value::Variant Text1Active, Text2Active;
    std::string PresetSize;
    // How a computed side is rounded; chosen in the fields' menus, kept
    // until the program ends.
    Rounding RoundTo = Rounding::WholePixels;
    // The bars or the cut-off part of the last fit or fill, until the next
    // edit of a side.
    std::string FrameNote;

    void Form_Load();
    // Brings the foot line up to date with the fields.
    void ShowFootLine();

    // Presets and the proportion lock.
    void Combo1_Click();
    void Check1_Click();
    void StoreAspectRatios();
    // A preset line's named ratio ("16:9") replaces its rounded pixels.
    void KeepPresetRatio();

    // Coupling of the two fields.
    void Text1_Change();
    void Text2_Change();

    void chkOnTop_Click();

private:
    void wire();

    forms::Form form_;
    forms::Control &Text1_, &Text2_, &Combo1_, &Check1_, &chkOnTop_, &Picture1_, &FootLine_;
};

} // namespace format
