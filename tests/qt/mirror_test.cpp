// Model writes reach the widgets; the widgets never feed them back.
#include "tests/qt/test_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

TEST_F(ViewTest, SameTextWrittenTwiceRaisesChangeTwiceAndIsShown) {
    control("Text1").setText("42");
    control("Text1").setText("42");
    EXPECT_EQ(count("Text1:Change"), 2);
    EXPECT_EQ(widget<QLineEdit>("Text1")->text(), "42");
}

TEST_F(ViewTest, ProgramWriteOfFiveDigitsStaysWhole) {
    control("Text1").setText("12345");
    EXPECT_EQ(widget<QLineEdit>("Text1")->text(), "12345");
}

TEST_F(ViewTest, ProgramWriteLeavesTheCaretAtTheEndOfTheFocusedField) {
    showActive();
    control("Text2").SetFocus();
    auto* edit = widget<QLineEdit>("Text2");
    ASSERT_TRUE(edit->hasFocus());
    edit->setCursorPosition(1);
    control("Text2").setText("12,5");
    EXPECT_EQ(edit->text(), "12,5");
    EXPECT_EQ(edit->cursorPosition(), 4);
    // The same text again moves nothing.
    edit->setCursorPosition(1);
    control("Text2").setText("12,5");
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(ViewTest, CaptionsVisibilityPositionLockAndColour) {
    showActive();
    control("Label1").setCaption("Länge:");
    EXPECT_EQ(widget<QLabel>("Label1")->text(), QString::fromUtf8("Länge:"));
    EXPECT_EQ(widget("Label1")->accessibleName(), QString::fromUtf8("Länge:"));

    control("Text3").setVisible(true);
    EXPECT_TRUE(widget("Text3")->isVisible());
    control("Text1").setVisible(false);
    EXPECT_FALSE(widget("Text1")->isVisible());

    control("Label1").setLeft(300);
    control("Label1").setTop(1050);
    EXPECT_EQ(widget("Label1")->pos(), QPoint(20, 70));

    control("Text2").setLocked(true);
    EXPECT_TRUE(widget<QLineEdit>("Text2")->isReadOnly());

    control("Frame1").setForeColor({0, 0, 192});
    EXPECT_EQ(widget("Frame1")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(widget("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    control("Picture1").setPicture("");
    EXPECT_TRUE(widget<QLabel>("Picture1")->pixmap().isNull());
}

TEST_F(ViewTest, CheckBoxAndOptionValuesFromTheModel) {
    control("Check1").setValue(0);
    EXPECT_FALSE(widget<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(count("Check1:Click"), 1);

    control("Option2").setValue(1);
    EXPECT_TRUE(widget<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Option1")->isChecked());
    // The model may clear the whole group, which an exclusive group cannot.
    control("Option2").setValue(0);
    EXPECT_FALSE(widget<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("Option1")->group()->exclusive());
}

TEST_F(ViewTest, ComboLinesAndEditText) {
    auto& combo = control("Combo1");
    combo.AddItem("720 x 576");
    combo.AddItem("1280 x 720");
    combo.setText("frei");
    auto* box = widget<QComboBox>("Combo1");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1), "1280 x 720");
    EXPECT_EQ(box->currentText(), "frei");
    EXPECT_TRUE(box->isEditable());
}

} // namespace
