#pragma once
#include "common/forms/form.h"
#include "common/value/variant.h"

namespace dpi {

// Centimetres per inch, for both directions of conversion.
constexpr double CmPerInch = 2.540066525552;

// The DPI window: relates a picture's size in pixels, its size in
// centimetres and the resolution, and estimates the size of its file.
// Everything is recomputed on every keystroke.
class DpiWindow {
public:
    DpiWindow();
    DpiWindow(const DpiWindow&) = delete;
    DpiWindow& operator=(const DpiWindow&) = delete;

    forms::Form& form() { return form_; }

    // Window-level state. The ratios are stored when the lock is switched on
    // and whenever the resolution changes; a flag is 1 while its field has
    // the focus.
    value::Variant PxWidthPerHeight, PxHeightPerWidth;
    value::Variant CmWidthPerHeight, CmHeightPerWidth;
    value::Variant Text1Active, Text2Active, Text3Active, Text4Active;

    void Form_Load();
    // Brings the foot line up to date with the fields.
    void ShowFootLine();

    // Modes and the proportion lock.
    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void StoreRatios();

    // Coupling of the five fields.
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void ShowFileSize();

    // Field editing.
    void Text1_KeyPress(int& code);
    void Text2_KeyPress(int& code);
    void Text3_KeyPress(int& code);
    void Text4_KeyPress(int& code);
    void Text5_KeyPress(int& code);
    void Text1_GotFocus();
    void Text2_GotFocus();
    void Text3_GotFocus();
    void Text4_GotFocus();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();

private:
    // Every control is looked up once, here: a wrong name fails at start.
    forms::Control& c(const char* name) { return form_.control(name); }
    void wire();

    // The value of a field: its text as a number, read anew every time.
    static double valueOf(const forms::Control& field);
    // floor(resolution / CmPerInch * centimetres).
    double pixelsFromCm(const forms::Control& cmField);
    // RoundTwoDecimals(pixels / resolution * CmPerInch).
    value::Variant cmFromPixels(const forms::Control& pxField);
    // Writing a field's text runs its change handler nested in the write.
    static void write(forms::Control& field, const value::Variant& v);
    static void copyLabel(forms::Control& label, const forms::Control& field);

    forms::Form form_;
    forms::Control &Text1_, &Text2_, &Text3_, &Text4_, &Text5_;
    forms::Control &Check1_, &Option1_, &Option2_, &Frame1_, &Frame2_;
    forms::Control &Label10_, &Label12_, &Label14_, &Label15_, &Label16_, &FootLine_;
    forms::Control &Image1_, &Picture1_, &Picture2_, &Picture3_, &Picture4_, &Picture5_, &Picture6_,
        &Picture7_;
};

} // namespace dpi
