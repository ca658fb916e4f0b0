// The combo box's list with the mouse, as right after start: a text is shown
// but no line of the list is chosen.
#include "tests/qt/test_form.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest/QTest>

namespace {

class ComboMouse : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        showActive();
        for (const char* line : {"16:9 - 1080 x 1920", "16:9 - 720 x 1280", "4:3 - 600 x 800"})
            control("Combo1").AddItem(line);
        control("Combo1").setText("16:9 - 720 x 1280");
        box = widget<QComboBox>("Combo1");
        events.clear();
    }
    void clickArrow() {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = true;
        const QRect arrow = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxArrow, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, arrow.center());
    }
    void clickLine(int line) {
        QAbstractItemView* list = box->view();
        // The list ignores a release that follows its opening too closely.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        const QPoint at = list->visualRect(list->model()->index(line, 0)).center();
        QTest::mouseMove(list->viewport(), at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    QComboBox* box = nullptr;
};

TEST_F(ComboMouse, TheListOpensBelowTheBoxNotOverIt) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    EXPECT_EQ(box->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, box), 0);
}

TEST_F(ComboMouse, LinesAddedOneByOneAreTheListOnceInOrder) {
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(0), "16:9 - 1080 x 1920");
    EXPECT_EQ(box->itemText(2), "4:3 - 600 x 800");
}

TEST_F(ComboMouse, FirstClickOnTheArrowOpensTheListAndChoosesNothing) {
    ASSERT_EQ(control("Combo1").listIndex(), -1);
    clickArrow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 2000));
    EXPECT_EQ(count("Combo1:Click"), 0);
    EXPECT_EQ(control("Combo1").listIndex(), -1);
    EXPECT_EQ(control("Combo1").text(), "16:9 - 720 x 1280");

    // The line already shown, chosen from the list: one Click.
    clickLine(1);
    EXPECT_FALSE(box->view()->isVisible());
    EXPECT_EQ(count("Combo1:Click"), 1);
    EXPECT_EQ(control("Combo1").listIndex(), 1);

    clickArrow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 2000));
    clickLine(2);
    EXPECT_EQ(count("Combo1:Click"), 2);
    EXPECT_EQ(control("Combo1").text(), "4:3 - 600 x 800");
}

} // namespace
