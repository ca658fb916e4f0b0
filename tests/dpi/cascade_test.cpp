#include "common/typing/typing.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// One Change event as the tracer sees it, with the number of file-size
// estimates made so far.
struct ChangeRun {
    std::string field;
    bool entering;
    int depth;
    int estimates;
    friend bool operator==(const ChangeRun&, const ChangeRun&) = default;
};

std::ostream& operator<<(std::ostream& os, const ChangeRun& r) {
    return os << (r.entering ? "enter " : "leave ") << r.field << " @" << r.depth << " #"
              << r.estimates;
}

struct Recorder {
    std::vector<ChangeRun> runs;
    Recorder(DpiSession& s) {
        s.form().setTracer(
            [this, &s](const forms::Control& c, forms::Event e, bool entering, int depth) {
                if (e == forms::Event::Change)
                    runs.push_back({c.name(), entering, depth, s.estimates.count()});
            });
    }
};

TEST(Cascade, OneKeystrokeInTheHeightInPixelsWithTheLockOn) {
    DpiSession s;
    s.toPrintMode();
    s.c("Text1").setSelection(3, 0);
    const int before = s.estimates.count();
    Recorder r(s);
    typing::type(s.form(), s.c("Text1"), '1');
    ASSERT_EQ(s.text("Text1"), "7681");

    for (auto& run : r.runs)
        run.estimates -= before;
    // The editing run writes the width in pixels, then the width and the
    // height in centimetres; each write runs a follow-up that estimates once;
    // the editing run estimates last.
    EXPECT_EQ(r.runs, (std::vector<ChangeRun>{{"Text1", true, 1, 0},
                                              {"Text2", true, 2, 0},
                                              {"Text2", false, 2, 1},
                                              {"Text4", true, 2, 1},
                                              {"Text4", false, 2, 2},
                                              {"Text3", true, 2, 2},
                                              {"Text3", false, 2, 3},
                                              {"Text1", false, 1, 4}}));
    EXPECT_EQ(s.estimates.count() - before, 4);
    EXPECT_TRUE(s.mirrorsEqualFields());
}

TEST(Cascade, NoHandlerIsEnteredTwiceAndNestingStaysOneLevelDeep) {
    DpiSession s;
    struct Keystroke {
        bool print, locked;
        const char* field;
        const char* characters;
    };
    const std::vector<Keystroke> typing = {
        {false, true, "Text3", "12,5"}, {false, true, "Text4", "7,25"},
        {false, false, "Text3", "3,1"}, {false, false, "Text4", "4"},
        {false, true, "Text5", "300"},  {true, true, "Text1", "640"},
        {true, true, "Text2", "800"},   {true, false, "Text1", "480"},
        {true, false, "Text2", "1"},    {true, true, "Text5", "72"},
    };
    for (const auto& k : typing) {
        if (k.print)
            s.toPrintMode();
        else
            s.toScanMode();
        if (k.locked)
            s.lockOn();
        else
            s.lockOff();
        s.focus(k.field);
        s.selectAll(k.field);
        for (const char* ch = k.characters; *ch; ++ch) {
            SCOPED_TRACE(std::string(k.field) + " '" + *ch + "'");
            Recorder r(s);
            typing::type(s.form(), s.c(k.field), *ch);
            std::map<std::string, int> entered;
            int deepest = 0, nested = 0;
            for (const auto& run : r.runs) {
                if (!run.entering) continue;
                ++entered[run.field];
                deepest = std::max(deepest, run.depth);
                if (run.depth > 1) ++nested;
            }
            for (auto& [field, times] : entered)
                EXPECT_EQ(times, 1) << field;
            EXPECT_LE(deepest, 2);
            EXPECT_LE(nested, 3);
            EXPECT_TRUE(s.mirrorsEqualFields());
        }
    }
}

TEST(Cascade, AKeystrokeInTheHeightInCentimetresWithTheLockOn) {
    DpiSession s;
    s.c("Text3").setSelection(4, 0);
    Recorder r(s);
    typing::type(s.form(), s.c("Text3"), '4');
    ASSERT_EQ(s.text("Text3"), "9,754");
    std::vector<std::string> order;
    for (const auto& run : r.runs)
        if (run.entering) order.push_back(run.field);
    EXPECT_EQ(order, (std::vector<std::string>{"Text3", "Text4", "Text2", "Text1"}));
    EXPECT_TRUE(s.mirrorsEqualFields());
}

} // namespace
