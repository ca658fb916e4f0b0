// A picture's frame size enters the window as the user's own actions.
#include "format/more_formats.h"
#include "format/take_picture.h"
#include "tests/format/format_fixture.h"

#include <sstream>

namespace {

using format_test::StartedWindow;

std::string snapshot(format::FormatWindow& w) {
    std::ostringstream out;
    for (const auto& c : w.form().controls())
        out << c->name() << ':' << c->text() << '|' << c->value() << c->visible() << c->listIndex()
            << c->selStart() << ',' << c->selLength() << '\n';
    out << w.PxWidthPerHeight << ';' << w.PxHeightPerWidth << ';' << w.Text1Active.toText() << ';'
        << w.Text2Active.toText() << ";focus=" << w.form().focused()->name();
    return out.str();
}

class TakePicture : public StartedWindow, public testing::WithParamInterface<bool> {
protected:
    void paste(format::FormatWindow& w, const char* field, const std::string& text) {
        auto& box = w.form().control(field);
        w.form().userFocus(box);
        box.setSelection(0, static_cast<int>(box.text().size()));
        w.form().userEdit(box, text);
        box.setSelection(static_cast<int>(text.size()), 0);
    }
};

TEST_P(TakePicture, EndsAsTheUsersOwnActionsWithTheFileNameInTheList) {
    const bool locked = GetParam();
    format::FormatWindow typed;
    ASSERT_TRUE(format::Main(typed, {}));
    for (auto* w : {&window, &typed})
        if (!locked) w->form().userClick(w->form().control("Check1"));

    format::takePicture(window, {480, 640, 300}, "Urlaub 2026.jpg");

    if (locked) typed.form().userClick(typed.form().control("Check1"));
    paste(typed, "Text1", "480");
    paste(typed, "Text2", "640");
    if (locked) typed.form().userClick(typed.form().control("Check1"));
    typed.form().control("Combo1").setText("Urlaub 2026.jpg");
    typed.form().userFocus(typed.form().control("Text1"));
    typed.form().control("Text1").setSelection(3, 0);
    EXPECT_EQ(snapshot(window), snapshot(typed));
    EXPECT_EQ(text("Combo1"), "Urlaub 2026.jpg");
    EXPECT_EQ(c("Combo1").listIndex(), -1);
    EXPECT_EQ(window.PxWidthPerHeight, locked ? 640.0 / 480.0 : 1280.0 / 720.0);
}

// Each further frame size is taken as a picture of that size, and the list's
// edit part shows it in the list's own form.
TEST_P(TakePicture, FurtherFormatsEndAsTheUsersOwnActions) {
    const bool locked = GetParam();
    for (const format::FrameSize& size : format::moreFormats()) {
        format::FormatWindow picked, typed;
        ASSERT_TRUE(format::Main(picked, {}));
        ASSERT_TRUE(format::Main(typed, {}));
        for (auto* w : {&picked, &typed})
            if (!locked) w->form().userClick(w->form().control("Check1"));

        format::takeFrameSize(picked, size);

        const std::string h = std::to_string(size.height), w = std::to_string(size.width);
        if (locked) typed.form().userClick(typed.form().control("Check1"));
        paste(typed, "Text1", h);
        paste(typed, "Text2", w);
        if (locked) typed.form().userClick(typed.form().control("Check1"));
        typed.form().control("Combo1").setText(std::string(size.ratio) + " - " + h + " x " + w);
        typed.form().userFocus(typed.form().control("Text1"));
        typed.form().control("Text1").setSelection(static_cast<int>(h.size()), 0);
        EXPECT_EQ(snapshot(picked), snapshot(typed)) << format::menuText(size);
    }
    EXPECT_EQ(format::menuText(format::moreFormats()[0]), "16:9 - 4K UHD, 2160 x 3840");
}

// 720 x 480 with 32:27 pixels shows as 853 x 480, but its ratio is 16:9.
TEST_F(StartedWindow, AVideoKeepsItsDisplayRatio) {
    const auto read = media::factsFromVideo({720, 480, 32, 27, 0});
    ASSERT_TRUE(read.facts);
    format::takePicture(window, *read.facts, "dv.avi");
    EXPECT_EQ(text("Text2"), "853");
    type("Text1", "0"); // 4800
    EXPECT_EQ(text("Text2"), "8533");
    clear("Text1");
    type("Text1", "1080");
    EXPECT_EQ(text("Text2"), "1920");
    // 640 x 16 : 360 x 15 = 256:135, turned upright by a quarter turn.
    const auto turned = media::factsFromVideo({640, 360, 16, 15, 90});
    EXPECT_EQ(std::pair(turned.facts->ratioWidth, turned.facts->ratioHeight),
              std::pair(135LL, 256LL));
}

INSTANTIATE_TEST_SUITE_P(Lock, TakePicture, testing::Bool());

} // namespace
