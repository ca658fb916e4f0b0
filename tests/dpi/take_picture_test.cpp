// A picture's facts enter the window as the user's own actions: the end
// state is the one those actions reach, field by field and flag by flag.
#include "common/value/conversions.h"
#include "dpi/dpi_picks.h"
#include "dpi/print_fit.h"
#include "dpi/take_picture.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {

// Everything the user or a handler can change.
std::string snapshot(DpiSession& s) {
    std::ostringstream out;
    for (const auto& c : s.form().controls())
        out << c->name() << ':' << c->text() << '|' << c->value() << c->visible() << c->locked()
            << c->top() << c->left() << c->picture() << c->selStart() << ',' << c->selLength()
            << '\n';
    auto& w = s.window;
    for (const auto* v :
         {&w.PxWidthPerHeight, &w.PxHeightPerWidth, &w.CmWidthPerHeight, &w.CmHeightPerWidth,
          &w.Text1Active, &w.Text2Active, &w.Text3Active, &w.Text4Active})
        out << v->toText() << ';';
    out << "focus=" << (s.form().focused() ? s.form().focused()->name() : "");
    return out.str();
}

// The user's own way: Ctrl+A and Ctrl+V in a field; the caret ends behind
// the pasted text.
void paste(DpiSession& s, const char* field, const std::string& text) {
    s.focus(field);
    s.selectAll(field);
    s.form().userEdit(s.c(field), text);
    s.c(field).setSelection(static_cast<int>(text.size()), 0);
}

struct Start {
    const char* name;
    const char* steps; // DpiSession::run steps before the picture arrives
};

class TakePicture : public testing::TestWithParam<Start> {};

TEST_P(TakePicture, EndsAsTheUsersOwnActions) {
    for (std::optional<long long> dpi :
         {std::optional<long long>(300), std::optional<long long>()}) {
        DpiSession taken, typed;
        taken.run(GetParam().steps);
        typed.run(GetParam().steps);
        dpi::takePicture(taken.window, {567, 1234, dpi});

        const bool locked = typed.c("Check1").value() == 1;
        typed.toPrintMode();
        typed.lockOff();
        paste(typed, "Text1", "567");
        paste(typed, "Text2", "1234");
        if (dpi) paste(typed, "Text5", "300");
        if (locked) typed.lockOn();
        typed.focus("Text1");
        typed.c("Text1").setSelection(3, 0);
        EXPECT_EQ(snapshot(taken), snapshot(typed)) << (dpi ? "with" : "without") << " dpi";
    }
}

// The picks of the context menus, from the same starts: each ends where the
// same actions done by hand end. A pick that does not belong to the mode,
// or finds no size to fit, leaves the window as it was.
TEST_P(TakePicture, PicksEndAsTheUsersOwnActions) {
    const dpi::Paper& a4 = dpi::paperSizes()[9];
    const dpi::Paper& photo = dpi::paperSizes()[1];
    struct Pick {
        const char* name;
        std::function<void(DpiSession&)> pick, byHand;
    };
    const std::vector<Pick> picks{
        {"resolution", [](DpiSession& s) { dpi::pickResolution(s.window, 600); },
         [](DpiSession& s) { paste(s, "Text5", "600"); }},
        {"fit", [&](DpiSession& s) { dpi::fitToPaper(s.window, a4); },
         [&](DpiSession& s) {
             if (s.c("Option2").value() != 1) return;
             auto r = dpi::fittingResolution(value::parseNumber(s.text("Text1")).value_or(0),
                                             value::parseNumber(s.text("Text2")).value_or(0), a4);
             if (r) paste(s, "Text5", std::to_string(*r));
         }},
        {"scan", [&](DpiSession& s) { dpi::scanPaper(s.window, photo); },
         [](DpiSession& s) {
             if (s.c("Option1").value() != 1) return;
             const bool upright =
                 value::toNumber(s.text("Text3")) >= value::toNumber(s.text("Text4"));
             const bool locked = s.c("Check1").value() == 1;
             s.lockOff();
             paste(s, "Text3", upright ? "15" : "10");
             paste(s, "Text4", upright ? "10" : "15");
             if (locked) s.lockOn();
             s.focus("Text3");
             s.c("Text3").setSelection(2, 0);
         }},
        {"swap from the width",
         [](DpiSession& s) {
             const bool print = s.c("Option2").value() == 1;
             const auto groups = dpi::picksFor(s.window, s.c(print ? "Text2" : "Text4"));
             ASSERT_EQ(groups.at(0).picks.at(0).text, "Hoch/quer tauschen");
             groups[0].picks[0].choose();
         },
         [](DpiSession& s) {
             const bool print = s.c("Option2").value() == 1;
             const char* height = print ? "Text1" : "Text3";
             const char* width = print ? "Text2" : "Text4";
             const std::string h = s.text(height), w = s.text(width);
             const bool locked = s.c("Check1").value() == 1;
             s.lockOff();
             paste(s, height, w);
             paste(s, width, h);
             if (locked) s.lockOn();
             s.focus(width);
             s.c(width).setSelection(static_cast<int>(h.size()), 0);
         }},
    };
    for (const Pick& p : picks) {
        DpiSession taken, typed;
        taken.run(GetParam().steps);
        typed.run(GetParam().steps);
        p.pick(taken);
        p.byHand(typed);
        EXPECT_EQ(snapshot(taken), snapshot(typed)) << p.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, TakePicture,
                         testing::Values(Start{"scanLocked", ""},
                                         Start{"scanUnlocked", "unlock; Text3 = 4"},
                                         Start{"printLocked", "print; Text5 = 72"},
                                         Start{"printUnlocked", "print; unlock; Text2 clear"},
                                         Start{"printLandscape", "print; Text2 = 6000"}),
                         [](const auto& info) { return std::string(info.param.name); });

// 567 / 300 * 2.540066525552 = 4.8007 and 1234 / 300 * ... = 10.448, cut to two
// decimals and raised where the third is above 5; 567 * 1234 * 3.001165501166
// bytes = 2.0998 Mb, raised to 2,1.
TEST(TakePicture, ShowsThePrintSizeAndTheFileSize) {
    DpiSession s;
    dpi::takePicture(s.window, {567, 1234, 300});
    EXPECT_EQ(s.c("Option2").value(), 1);
    EXPECT_EQ(s.c("Check1").value(), 1);
    EXPECT_EQ(s.text("Text1"), "567");
    EXPECT_EQ(s.text("Text2"), "1234");
    EXPECT_EQ(s.text("Text5"), "300");
    EXPECT_EQ(s.caption("Label10"), "4,80");
    EXPECT_EQ(s.caption("Label14"), "10,45");
    EXPECT_EQ(s.caption("Label12"), "2,1 Mb");
    EXPECT_DOUBLE_EQ(s.window.PxWidthPerHeight.toNumber(), 1234.0 / 567.0);
    EXPECT_EQ(s.form().focused(), &s.c("Text1"));
}

} // namespace
