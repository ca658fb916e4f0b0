#include "common/value/conversions.h"
#include "dpi/dpi_window.h"

namespace dpi {

using namespace forms::colors;

// Scan mode: the centimetres are given, the pixels follow and are shown
// read-only in their mirror labels. Computes nothing.
void DpiWindow::Option1_Click() {
    Picture3_.setPicture(Picture4_.picture());
    Text1_.setLocked(true);
    Text2_.setLocked(true);
    Text3_.setLocked(false);
    Text4_.setLocked(false);
    Label15_.setTop(Text1_.top());
    Label16_.setTop(Text2_.top());
    Label15_.setLeft(Text1_.left());
    Label16_.setLeft(Text2_.left());
    Label15_.setVisible(true);
    Label16_.setVisible(true);
    Text1_.setVisible(false);
    Text2_.setVisible(false);
    Text3_.setVisible(true);
    Text4_.setVisible(true);
    Label10_.setVisible(false);
    Label14_.setVisible(false);
    Image1_.setPicture(Picture7_.picture());
    Image1_.setTop(240);
    Picture3_.setTop(720);
    Frame1_.setForeColor(DarkBlue);
    Frame2_.setForeColor(DarkRed);
    Option1_.setForeColor(DarkRed);
    Option2_.setForeColor(Black);
    Text3_.SetFocus();
}

// Print mode: the pixels are given, the centimetres follow.
void DpiWindow::Option2_Click() {
    Picture3_.setPicture(Picture5_.picture());
    Text3_.setLocked(true);
    Text4_.setLocked(true);
    Text1_.setLocked(false);
    Text2_.setLocked(false);
    Label15_.setVisible(false);
    Label16_.setVisible(false);
    Label10_.setTop(Text3_.top());
    Label14_.setTop(Text4_.top());
    Label10_.setLeft(Text3_.left());
    Label14_.setLeft(Text4_.left());
    Text1_.setVisible(true);
    Text2_.setVisible(true);
    Text3_.setVisible(false);
    Text4_.setVisible(false);
    Label10_.setVisible(true);
    Label14_.setVisible(true);
    Image1_.setPicture(Picture6_.picture());
    Picture3_.setTop(210);
    Image1_.setTop(690);
    Frame2_.setForeColor(DarkBlue);
    Frame1_.setForeColor(DarkRed);
    Option2_.setForeColor(DarkRed);
    Option1_.setForeColor(Black);
    Text1_.SetFocus();
}

// A failing StoreRatios ends the handler before the focus moves: the
// brackets stay shown and the ratios keep what was stored so far.
void DpiWindow::Check1_Click() {
    if (Check1_.value() == 1) {
        Picture1_.setVisible(true);
        Picture2_.setVisible(true);
        StoreRatios();
    } else {
        Picture1_.setVisible(false);
        Picture2_.setVisible(false);
    }
    if (Option1_.value() == 1)
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
