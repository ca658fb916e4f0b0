#include "dpi_window.h"
#include "value/conversions.h"

namespace dpi {

namespace {
const forms::Color DarkRed{192, 0, 0};
const forms::Color DarkBlue{0, 0, 192};
const forms::Color Black{0, 0, 0};
} // namespace

// Scan mode: the centimetres are given, the pixels follow and are shown
// read-only in their mirror labels. Computes nothing.
void DpiWindow::Option1_Click() {
    c("Picture3").setPicture(c("Picture4").picture());
    Text1_.setLocked(true);
    Text2_.setLocked(true);
    Text3_.setLocked(false);
    Text4_.setLocked(false);
    c("Label15").setTop(Text1_.top());
    c("Label16").setTop(Text2_.top());
    c("Label15").setLeft(Text1_.left());
    c("Label16").setLeft(Text2_.left());
    c("Label15").setVisible(true);
    c("Label16").setVisible(true);
    Text1_.setVisible(false);
    Text2_.setVisible(false);
    Text3_.setVisible(true);
    Text4_.setVisible(true);
    c("Label10").setVisible(false);
    c("Label14").setVisible(false);
    c("Image1").setPicture(c("Picture7").picture());
    c("Image1").setTop(240);
    c("Picture3").setTop(720);
    c("Frame1").setForeColor(DarkBlue);
    c("Frame2").setForeColor(DarkRed);
    c("Option1").setForeColor(DarkRed);
    c("Option2").setForeColor(Black);
    Text3_.SetFocus();
}

// Print mode: the pixels are given, the centimetres follow.
void DpiWindow::Option2_Click() {
    c("Picture3").setPicture(c("Picture5").picture());
    Text3_.setLocked(true);
    Text4_.setLocked(true);
    Text1_.setLocked(false);
    Text2_.setLocked(false);
    c("Label15").setVisible(false);
    c("Label16").setVisible(false);
    c("Label10").setTop(Text3_.top());
    c("Label14").setTop(Text4_.top());
    c("Label10").setLeft(Text3_.left());
    c("Label14").setLeft(Text4_.left());
    Text1_.setVisible(true);
    Text2_.setVisible(true);
    Text3_.setVisible(false);
    Text4_.setVisible(false);
    c("Label10").setVisible(true);
    c("Label14").setVisible(true);
    c("Image1").setPicture(c("Picture6").picture());
    c("Picture3").setTop(210);
    c("Image1").setTop(690);
    c("Frame2").setForeColor(DarkBlue);
    c("Frame1").setForeColor(DarkRed);
    c("Option2").setForeColor(DarkRed);
    c("Option1").setForeColor(Black);
    Text1_.SetFocus();
}

// A failing StoreRatios ends the handler before the focus moves: the
// brackets stay shown and the ratios keep what was stored so far.
void DpiWindow::Check1_Click() {
    if (c("Check1").value() == 1) {
        c("Picture1").setVisible(true);
        c("Picture2").setVisible(true);
        StoreRatios();
    } else {
        c("Picture1").setVisible(false);
        c("Picture2").setVisible(false);
    }
    if (c("Option1").value() == 1)
        Text3_.SetFocus();
    else
        Text1_.SetFocus();
}

// Each quotient is stored as soon as it is known; a zero, empty or
// non-numeric field fails the step and leaves that ratio and the later ones
// untouched, so no infinite ratio is ever stored.
void DpiWindow::StoreRatios() {
    using value::checkedDiv;
    PxWidthPerHeight = checkedDiv(valueOf(Text2_), valueOf(Text1_));
    PxHeightPerWidth = checkedDiv(valueOf(Text1_), valueOf(Text2_));
    CmWidthPerHeight = checkedDiv(valueOf(Text4_), valueOf(Text3_));
    CmHeightPerWidth = checkedDiv(valueOf(Text3_), valueOf(Text4_));
}

} // namespace dpi
