// The real DPI window's fields, typed into through the widgets.
#include "tests/qt/dpi_view.h"

#include "common/qtview/foot_line.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextLayout>

namespace {

using DpiWindowView = DpiView;

TEST_F(DpiWindowView, StartsWithTheFocusInText3) {
    EXPECT_EQ(QApplication::focusWidget(), view->widgetFor("Text3"));
    EXPECT_EQ(window.Text3Active, value::Variant(1));
    EXPECT_FALSE(view->widgetFor("Text1")->isVisible());
    EXPECT_EQ(view->widgetFor("Label15")->geometry(), QRect(136, 28, 73, 30));
}

struct Keys {
    const char* field;
    const char* keys;
    const char* text;
};

// Digits pass everywhere, the comma only in the centimetre fields; letters,
// minus, full stop and blank are cancelled; Text5 takes at most four.
const Keys keys[] = {
    {"Text3", "a-. ", "9,75"}, {"Text3", ",5", "9,75,5"}, {"Text4", "1,5", "131,5"},
    {"Text4", "x-.", "13"},    {"Text5", ",a-. ", "200"}, {"Text5", "19", "2001"},
};

TEST_F(DpiWindowView, KeyFilterOfTheFields) {
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string(k.field) + " <- " + k.keys);
        QLineEdit* edit = field(k.field, true);
        const std::string before = text(k.field);
        QTest::keyClicks(edit, k.keys);
        EXPECT_EQ(edit->text().toStdString(), k.text);
        EXPECT_EQ(text(k.field), k.text);
        // Back to the start value for the next row.
        window.form().control(k.field).setText(before);
    }
}

TEST_F(DpiWindowView, PrintModeOpensThePixelFieldsToFourDigits) {
    QTest::mouseClick(view->widgetFor("Option2"), Qt::LeftButton);
    ASSERT_TRUE(view->widgetFor("Text1")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), view->widgetFor("Text1"));
    QLineEdit* edit = field("Text1", true);
    QTest::keyClicks(edit, ",12");
    EXPECT_EQ(text("Text1"), "7681");
    EXPECT_EQ(edit->text(), "7681");
}

TEST_F(DpiWindowView, TheFootLineLiesBelowTheFramesOnTwoLinesAtMost) {
    auto* line = dynamic_cast<qtview::FootLine*>(view->widgetFor("FootLine"));
    ASSERT_NE(line, nullptr);
    // The window grew by the line alone: 396 + 26 pixels.
    EXPECT_EQ(view->size(), QSize(345, 422));
    EXPECT_EQ(line->geometry(), QRect(8, 392, 329, 26));
    EXPECT_EQ(line->focusPolicy(), Qt::NoFocus);
    const QString word = QStringLiteral("Megapixel · ");
    for (int words : {1, 40}) {
        const QString full = word.repeated(words).trimmed();
        window.form().control("FootLine").setCaption(full.toStdString());
        const bool cut = words > 1;
        EXPECT_EQ(line->text().endsWith(QChar(0x2026)), cut) << words;
        EXPECT_EQ(line->toolTip(), cut ? full : QString()) << words;
        EXPECT_LE(line->heightForWidth(line->width()), line->height()) << words;
        QAccessibleInterface* status = QAccessible::queryAccessibleInterface(line);
        EXPECT_EQ(status->role(), QAccessible::StatusBar);
        EXPECT_EQ(status->text(QAccessible::Name), full);
        EXPECT_EQ(status->text(QAccessible::Description), cut ? full : QString());
    }
    // Lines break between items only, after their dot.
    const QString items = QStringLiteral("24,0 Megapixel · Druckqualität: optimal · scharf ab "
                                         "30 cm · bei 300 dpi gedruckt: 21 x 29,69 cm");
    window.form().control("FootLine").setCaption(items.toStdString());
    QTextLayout layout(line->text(), line->font());
    layout.beginLayout();
    for (QTextLine shown = layout.createLine(); shown.isValid(); shown = layout.createLine()) {
        shown.setLineWidth(line->contentsRect().width());
        if (shown.textStart() > 0) {
            EXPECT_EQ(line->text().mid(shown.textStart() - 2, 2), QStringLiteral("· "));
        }
    }
    layout.endLayout();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), items);
    // Copied, its spaces are plain ones again.
    line->setSelection(0, static_cast<int>(line->text().size()));
    QTest::keyClick(view->widgetFor("Text1"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), items);
}

} // namespace
