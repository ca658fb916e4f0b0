// The window as declared: geometry, names, look and hidden controls.
#include "tests/qt/test_form.h"

#include "common/qtview/pictures.h"
#include "dpi/dpi_layout.h"
#include "format/format_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect pixels;
};

// Twips / 15, relative to the container: a frame's children to the frame.
const Placement placements[] = {
    {"Frame1", "Probe", {8, 8, 300, 140}},     {"Text1", "Frame1", {20, 30, 80, 30}},
    {"Text2", "Frame1", {20, 70, 80, 30}},     {"Label1", "Frame1", {110, 30, 100, 25}},
    {"Text3", "Probe", {320, 20, 60, 30}},     {"Check1", "Probe", {8, 160, 150, 33}},
    {"Frame2", "Probe", {180, 160, 200, 80}},  {"Option1", "Frame2", {10, 20, 120, 25}},
    {"Option2", "Frame2", {10, 50, 120, 25}},  {"Combo1", "Probe", {8, 220, 120, 23}},
    {"Picture1", "Probe", {140, 220, 32, 32}}, {"Picture2", "Probe", {8, 544, 33, 33}},
    {"Label2", "Probe", {110, 268, 68, 17}},
};

TEST_F(ViewTest, PlacesEveryControlInPixelsRelativeToItsContainer) {
    for (const auto& p : placements) {
        QWidget* w = widget(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), p.pixels) << p.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QString(p.parent)) << p.name;
    }
}

TEST_F(ViewTest, WindowHasFixedClientSizeCaptionIconAndOnlyACloseButton) {
    EXPECT_EQ(view->objectName(), "Probe");
    EXPECT_EQ(view->windowTitle(), "Probe window");
    EXPECT_EQ(view->minimumSize(), QSize(400, 300));
    EXPECT_EQ(view->maximumSize(), QSize(400, 300));
    EXPECT_FALSE(view->windowIcon().isNull());
    Qt::WindowFlags f = view->windowFlags();
    for (auto flag :
         {Qt::Window, Qt::CustomizeWindowHint, Qt::WindowTitleHint, Qt::WindowCloseButtonHint})
        EXPECT_TRUE(f.testFlag(flag));
    EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::Tool));
    EXPECT_FALSE(view->isVisible()); // until the form is shown
}

struct Names {
    const char* control;
    const char* accessibleName;
    const char* description;
};

// Captions and label texts stay the names; fields get their declared names.
const Names names[] = {
    {"Frame1", "Rahmen:", ""},
    {"Text1", "Höhe in Pixeln", ""},
    {"Text2", "Höhe in Zentimetern", ""},
    {"Label1", "Breite:", "Beschriftung der Breite"},
    {"Check1", "Proportionen erhalten", ""},
    {"Option2", "Ausgabe (Print)", ""},
    {"Combo1", "Vorgabe", ""},
    {"Picture1", "Punkt", ""},
    {"Picture2", "", ""},
};

TEST_F(ViewTest, ObjectAndAccessibleNames) {
    for (const auto& n : names) {
        QWidget* w = widget(n.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), QString(n.control));
        EXPECT_EQ(w->accessibleName(), QString::fromUtf8(n.accessibleName)) << n.control;
        EXPECT_EQ(w->accessibleDescription(), QString::fromUtf8(n.description)) << n.control;
    }
}

TEST_F(ViewTest, FontsColoursAndLabelStyle) {
    auto* text1 = widget<QLineEdit>("Text1");
    EXPECT_EQ(text1->font().pointSizeF(), 14.25);
    EXPECT_TRUE(text1->font().bold());
    EXPECT_EQ(text1->font().family(), "Arial");
    EXPECT_EQ(text1->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(text1->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(widget("Frame1")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_EQ(widget("Option1")->palette().color(QPalette::WindowText), QColor(192, 64, 0));

    // Inside a red frame, a label without a colour is black, not red.
    auto* label1 = widget<QLabel>("Label1");
    EXPECT_EQ(label1->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(label1->font().pointSizeF(), 9);
    EXPECT_FALSE(label1->font().bold());
    EXPECT_TRUE(label1->alignment().testFlag(Qt::AlignRight));
    EXPECT_TRUE(label1->wordWrap());
    EXPECT_EQ(label1->frameShape(), QFrame::Box);
    EXPECT_FALSE(widget<QLabel>("Label2")->wordWrap());
    EXPECT_EQ(widget<QLabel>("Label2")->frameShape(), QFrame::NoFrame);
}

TEST_F(ViewTest, PicturesFromTheStoreAndEmptyForUnknownNames) {
    auto* picture1 = widget<QLabel>("Picture1");
    ASSERT_FALSE(picture1->pixmap().isNull());
    EXPECT_EQ(picture1->pixmap().size(), QSize(16, 16));
    EXPECT_TRUE(widget<QLabel>("Picture2")->pixmap().isNull());
}

TEST_F(ViewTest, OnlyFieldsButtonsAndComboTakeTheFocus) {
    for (const char* name : {"Frame1", "Label1", "Picture1", "Picture2", "Frame2"})
        EXPECT_EQ(widget(name)->focusPolicy(), Qt::NoFocus) << name;
    for (const char* name : {"Text1", "Text2", "Check1", "Option1", "Combo1"})
        EXPECT_NE(widget(name)->focusPolicy() & Qt::TabFocus, 0) << name;
}

TEST_F(ViewTest, HiddenControlsAndTheStoreBelowTheClientArea) {
    showActive();
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(widget("Text3")->isVisible());
    EXPECT_TRUE(widget("Text1")->isVisible());
    // Shown, but outside the client area: never seen.
    EXPECT_FALSE(view->rect().intersects(widget("Picture2")->geometry()));
}

} // namespace

namespace {

// A picture a layout names and the program lacks would draw nothing.
TEST(Pictures, EveryPictureALayoutNamesIsAResourceAtBothSizes) {
    for (const forms::FormDecl& decl : {dpi::layout(), format::FormatLayout()}) {
        std::vector<std::string> names{decl.icon};
        for (const auto& c : decl.controls)
            if (!c.picture.empty()) names.push_back(c.picture);
        for (const auto& name : names) {
            EXPECT_FALSE(QPixmap(qtview::picturePath(name)).isNull()) << decl.name << ": " << name;
            EXPECT_FALSE(QPixmap(qtview::picturePath(name, true)).isNull())
                << decl.name << ": " << name;
            // The larger one, read only when a denser screen asks for it.
            EXPECT_EQ(qtview::picture(name, 2.0).size(), qtview::picture(name).size() * 2)
                << decl.name << ": " << name;
        }
    }
}

} // namespace
