// The user's typing, clicks, choices and focus moves through the real widgets.
#include "tests/qt/test_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

#include <functional>

namespace {

class TypingTest : public ViewTest {
protected:
    // Focus in the field, caret at its end.
    QLineEdit* focusField(const char* name) {
        showActive();
        control(name).SetFocus();
        auto* edit = widget<QLineEdit>(name);
        edit->end(false);
        events.clear();
        return edit;
    }
};

struct Typed {
    const char* field;
    const char* keys;
    const char* text; // afterwards
    int changes;
};

// Text1 starts "768" (at most 4 typed characters), Text2 "9,75" (no limit).
const Typed typed[] = {
    {"Text1", "4", "7684", 1},
    {"Text1", "45", "7684", 1},
    {"Text1", "a.-, ", "768", 0},
    {"Text1", "x9", "7689", 1},
    {"Text2", ",5", "9,75,5", 2},
    {"Text2", "1.", "9,751", 1},
    {"Text2", "123456", "9,75123456", 6},
};

TEST_F(TypingTest, KeyFilterAndLengthLimitThroughTheWidget) {
    for (const auto& t : typed) {
        SCOPED_TRACE(std::string(t.field) + " <- " + t.keys);
        control("Text1").setText("768");
        control("Text2").setText("9,75");
        QLineEdit* edit = focusField(t.field);
        QTest::keyClicks(edit, t.keys);
        EXPECT_EQ(edit->text(), t.text);
        EXPECT_EQ(control(t.field).text(), t.text);
        EXPECT_EQ(count(std::string(t.field) + ":Change"), t.changes);
        EXPECT_EQ(count(std::string(t.field) + ":KeyPress"),
                  static_cast<int>(std::string(t.keys).size()));
    }
}

TEST_F(TypingTest, EnterAndEscapeAreCancelledBackspacePasses) {
    QLineEdit* edit = focusField("Text1");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(count("Text1:KeyPress"), 2);
    EXPECT_EQ(count("Text1:Change"), 0);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(control("Text1").text(), "76");
    EXPECT_EQ(count("Text1:Change"), 1);
}

TEST_F(TypingTest, EditingKeysAndClipboardShortcutsAreNotFiltered) {
    QLineEdit* edit = focusField("Text1");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(control("Text1").text(), "68");
    EXPECT_EQ(count("Text1:KeyPress"), 0);
    EXPECT_EQ(count("Text1:Change"), 1);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "68");
    EXPECT_EQ(count("Text1:KeyPress"), 0);
}

TEST_F(TypingTest, TypingOverASelectionCountsTheTextAfterReplacing) {
    control("Text1").setText("1234");
    QLineEdit* edit = focusField("Text1");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_9);
    EXPECT_EQ(control("Text1").text(), "9");
}

TEST_F(TypingTest, LockedFieldSeesKeyPressButKeepsItsText) {
    control("Text1").setLocked(true);
    QLineEdit* edit = focusField("Text1");
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(count("Text1:KeyPress"), 1);
    EXPECT_EQ(control("Text1").text(), "768");
    EXPECT_EQ(edit->text(), "768");
}

TEST_F(ViewTest, ClickedCheckBoxTakesTheModelsValue) {
    showActive();
    auto* box = widget<QCheckBox>("Check1");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(control("Check1").value(), 0);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(count("Check1:Click"), 1);
    EXPECT_EQ(form.focused(), &control("Check1"));

    // A Click handler that ticks it again wins over Qt's own toggle.
    control("Check1").onClick = [this] { control("Check1").setValue(1); };
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(control("Check1").value(), 1);
    EXPECT_TRUE(box->isChecked());
}

TEST_F(ViewTest, ClickedOptionSelectsItAndClearsItsPartner) {
    showActive();
    QTest::mouseClick(widget("Option2"), Qt::LeftButton);
    EXPECT_EQ(control("Option2").value(), 1);
    EXPECT_EQ(control("Option1").value(), 0);
    EXPECT_EQ(count("Option2:Click"), 1);
    EXPECT_TRUE(widget<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Option1")->isChecked());
    // Clicking the selected button again changes nothing.
    QTest::mouseClick(widget("Option2"), Qt::LeftButton);
    EXPECT_EQ(count("Option2:Click"), 1);
    EXPECT_TRUE(widget<QRadioButton>("Option2")->isChecked());
}

// A key on a switch does what a click on it does: the same events in the same
// order and the same focus, also when the Click handler moves the focus.
TEST_F(ViewTest, KeysOnSwitchesActAsClicks) {
    struct Path {
        const char *selected, *focused, *clicked;
        Qt::Key key;
    };
    showActive();
    control("Option1").onClick = [this] { control("Text2").SetFocus(); };
    control("Option2").onClick = [this] { control("Text1").SetFocus(); };
    auto after = [&](const Path& p, const std::function<void()>& act) {
        control(p.selected).setValue(1);
        control(p.focused).SetFocus();
        events.clear();
        act();
        return std::make_pair(events, QApplication::focusWidget());
    };
    for (const Path& p : {Path{"Option1", "Option1", "Option2", Qt::Key_Down},
                          Path{"Option2", "Option2", "Option1", Qt::Key_Up},
                          Path{"Option1", "Option1", "Option1", Qt::Key_Space},
                          Path{"Option1", "Check1", "Check1", Qt::Key_Space}}) {
        SCOPED_TRACE(std::string(p.focused) + " -> " + p.clicked);
        const auto mouse = after(p, [&] { QTest::mouseClick(widget(p.clicked), Qt::LeftButton); });
        const auto key = after(p, [&] { QTest::keyClick(widget(p.focused), p.key); });
        EXPECT_EQ(key, mouse);
    }
}

TEST_F(ViewTest, ChoosingAComboLineAlsoTheOneAlreadyShownRaisesClick) {
    showActive();
    auto& combo = control("Combo1");
    combo.AddItem("720 x 576");
    combo.AddItem("1280 x 720");
    auto* box = widget<QComboBox>("Combo1");
    combo.SetFocus();
    QTest::keyClick(box, Qt::Key_Down); // the first line
    QTest::keyClick(box, Qt::Key_Down); // the second
    EXPECT_EQ(combo.text(), "1280 x 720");
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(count("Combo1:Click"), 2);
    // Picking the shown line again from the list.
    emit box->activated(1);
    EXPECT_EQ(count("Combo1:Click"), 3);
    EXPECT_EQ(box->currentText(), "1280 x 720");
}

TEST_F(ViewTest, TypingIntoTheComboEditPartIsTheUsersEdit) {
    showActive();
    auto& combo = control("Combo1");
    combo.AddItem("720 x 576");
    combo.SetFocus();
    events.clear();
    auto* box = widget<QComboBox>("Combo1");
    QTest::keyClicks(box, "16:9");
    EXPECT_EQ(combo.text(), "16:9");
    EXPECT_EQ(count("Combo1:Change"), 4);
    EXPECT_EQ(count("Combo1:Click"), 0);
    combo.setText("720 x 576");
    QTest::keyClick(box, Qt::Key_Return); // Enter chooses no line, even a matching one
    EXPECT_EQ(count("Combo1:Click"), 0);
    QTest::keyClick(box, Qt::Key_Backtab); // nor is leaving it
    EXPECT_EQ(form.focused(), &control("Option1"));
    EXPECT_EQ(count("Combo1:Click"), 0);
    EXPECT_EQ(box->count(), 1);
}

TEST_F(ViewTest, TabRaisesLostFocusBeforeGotFocusAndSkipsHiddenControls) {
    showActive();
    control("Text1").SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), widget("Text1"));
    events.clear();

    QTest::keyClick(widget("Text1"), Qt::Key_Tab);
    EXPECT_EQ(events, (std::vector<std::string>{"Text1:LostFocus", "Text2:GotFocus"}));
    EXPECT_EQ(QApplication::focusWidget(), widget("Text2"));

    QTest::keyClick(widget("Text2"), Qt::Key_Tab); // Text3 is hidden
    EXPECT_EQ(form.focused(), &control("Check1"));
    EXPECT_EQ(QApplication::focusWidget(), widget("Check1"));
    QTest::keyClick(widget("Check1"), Qt::Key_Tab); // the selected option
    QTest::keyClick(widget("Option1"), Qt::Key_Tab);
    EXPECT_EQ(form.focused(), &control("Combo1"));
    EXPECT_EQ(QApplication::focusWidget(), widget("Combo1"));

    QTest::keyClick(widget("Combo1"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), widget("Option1"));
}

TEST_F(ViewTest, ClickIntoAFieldMovesTheModelsFocusOnce) {
    showActive();
    control("Text2").SetFocus();
    events.clear();
    QTest::mouseClick(widget("Text1"), Qt::LeftButton);
    EXPECT_EQ(events, (std::vector<std::string>{"Text2:LostFocus", "Text1:GotFocus"}));
    EXPECT_EQ(form.focused(), &control("Text1"));
}

TEST_F(ViewTest, ActivatingTheWindowKeepsTheModelsFocusWithoutEvents) {
    form.show();
    control("Text2").SetFocus();
    events.clear();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    EXPECT_EQ(QApplication::focusWidget(), widget("Text2"));
    EXPECT_TRUE(events.empty());
}

TEST_F(ViewTest, ModelFocusMovesAreAppliedWithoutRaisingEventsTwice) {
    showActive();
    control("Text2").SetFocus();
    control("Check1").SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), widget("Check1"));
    EXPECT_EQ(events,
              (std::vector<std::string>{"Text2:GotFocus", "Text2:LostFocus", "Check1:GotFocus"}));
}

} // namespace
