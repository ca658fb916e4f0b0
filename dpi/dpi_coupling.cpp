#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "dpi/dpi_window.h"
#include "dpi/print_fit.h"
#include "dpi/round_two_decimals.h"

// The five change handlers. A handler recomputes other fields only in an
// editing run (its field has the focus); every field it writes gets a
// nested follow-up run of its own handler, which only refreshes the file
// size and the mirror labels. A failing step is abandoned and the handler
// goes on with the next one.

namespace dpi {

using forms::step;
using value::Variant;

double DpiWindow::valueOf(const forms::Control& field) {
    return value::toNumber(field.text());
}

double DpiWindow::pixelsFromCm(const forms::Control& cmField) {
    return scanPixels(valueOf(cmField), valueOf(Text5_));
}

Variant DpiWindow::cmFromPixels(const forms::Control& pxField) {
    return printCm(valueOf(pxField), valueOf(Text5_));
}

void DpiWindow::write(forms::Control& field, const Variant& v) {
    field.setText(v.toText());
}

void DpiWindow::copyLabel(forms::Control& label, const forms::Control& field) {
    label.setCaption(field.text());
}

namespace {
// A failed computation leaves nothing behind: the write that follows puts
// the empty text, never an earlier result of the same run.
template <class Compute> void computeInto(Variant& holder, Compute&& compute) {
    holder = Variant();
    step([&] { holder = compute(); });
}
} // namespace

void DpiWindow::Text1_Change() {
    Variant result;
    if (Text1Active.equals(1)) {
        if (Check1_.value() == 1) {
            step(
                [&] { write(Text2_, value::intFloor(Variant(Text1_.text()) * PxWidthPerHeight)); });
            computeInto(result, [&] { return cmFromPixels(Text2_); });
            step([&] { write(Text4_, result); });
        }
        computeInto(result, [&] { return cmFromPixels(Text1_); });
        step([&] { write(Text3_, result); });
    }
    step([&] { ShowFileSize(); });
    step([&] { copyLabel(Label10_, Text3_); });
    step([&] { copyLabel(Label16_, Text2_); });
    step([&] { copyLabel(Label14_, Text4_); });
}

void DpiWindow::Text2_Change() {
    Variant result;
    if (Text2Active.equals(1)) {
        if (Check1_.value() == 1) {
            step(
                [&] { write(Text1_, value::intFloor(Variant(Text2_.text()) * PxHeightPerWidth)); });
            computeInto(result, [&] { return cmFromPixels(Text1_); });
            step([&] { write(Text3_, result); });
        }
        computeInto(result, [&] { return cmFromPixels(Text2_); });
        step([&] { write(Text4_, result); });
    }
    step([&] { ShowFileSize(); });
    step([&] { copyLabel(Label10_, Text3_); });
    step([&] { copyLabel(Label15_, Text1_); });
    step([&] { copyLabel(Label14_, Text4_); });
}

void DpiWindow::Text3_Change() {
    Variant result;
    if (Text3Active.equals(1)) {
        if (Check1_.value() == 1) {
            computeInto(result, [&] {
                return RoundTwoDecimals(Variant(Text3_.text()) * CmWidthPerHeight);
            });
            step([&] { write(Text4_, result); });
            step([&] { write(Text2_, pixelsFromCm(Text4_)); });
        }
        step([&] { write(Text1_, pixelsFromCm(Text3_)); });
    }
    step([&] { ShowFileSize(); });
    step([&] { copyLabel(Label14_, Text4_); });
    step([&] { copyLabel(Label16_, Text2_); });
    step([&] { copyLabel(Label15_, Text1_); });
}

void DpiWindow::Text4_Change() {
    Variant result;
    if (Text4Active.equals(1)) {
        if (Check1_.value() == 1) {
            computeInto(result, [&] {
                return RoundTwoDecimals(Variant(Text4_.text()) * CmHeightPerWidth);
            });
            step([&] { write(Text3_, result); });
            step([&] { write(Text1_, pixelsFromCm(Text3_)); });
        }
        step([&] { write(Text2_, pixelsFromCm(Text4_)); });
    }
    step([&] { ShowFileSize(); });
    step([&] { copyLabel(Label10_, Text3_); });
    step([&] { copyLabel(Label16_, Text2_); });
    step([&] { copyLabel(Label15_, Text1_); });
}

// The resolution ignores the lock and stores the ratios anew. Only the
// user writes it, so it has no flag.
void DpiWindow::Text5_Change() {
    Variant result;
    if (Option1_.value() == 1) {
        step([&] { write(Text1_, pixelsFromCm(Text3_)); });
        step([&] { write(Text2_, pixelsFromCm(Text4_)); });
    } else {
        computeInto(result, [&] { return cmFromPixels(Text1_); });
        step([&] { write(Text3_, result); });
        computeInto(result, [&] { return cmFromPixels(Text2_); });
        step([&] { write(Text4_, result); });
    }
    step([&] { StoreRatios(); });
    step([&] { ShowFileSize(); });
    step([&] { copyLabel(Label15_, Text1_); });
    step([&] { copyLabel(Label16_, Text2_); });
    step([&] { copyLabel(Label10_, Text3_); });
    step([&] { copyLabel(Label14_, Text4_); });
}

} // namespace dpi
