#include "common/typing/typing.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

namespace {

// Counts the Change events of one field.
struct ChangeCounter {
    int changes = 0;
    ChangeCounter(forms::Form& form, const forms::Control& field) {
        form.setTracer([this, &field](const forms::Control& c, forms::Event e, bool entering, int) {
            if (entering && e == forms::Event::Change && &c == &field) ++changes;
        });
    }
};

struct Key {
    const char* field;
    bool printMode; // where the field is editable
    int code;
    bool passes;
};

class KeyFilter : public testing::TestWithParam<Key> {};

TEST_P(KeyFilter, LetsOnlyTheCharactersOfTheFieldIn) {
    const Key& k = GetParam();
    DpiSession s;
    if (k.printMode) s.toPrintMode();
    s.focus(k.field);
    s.c(k.field).setSelection(1, 0); // inside "768", "1024", "9,75", "13", "200"
    const std::string before = s.text(k.field);
    ChangeCounter counter(s.form(), s.c(k.field));
    typing::type(s.form(), s.c(k.field), k.code);
    EXPECT_EQ(s.text(k.field) != before, k.passes);
    EXPECT_EQ(counter.changes, k.passes ? 1 : 0);
}

std::vector<Key> keys() {
    std::vector<Key> out;
    const std::vector<std::pair<const char*, bool>> fields = {
        {"Text1", true}, {"Text2", true}, {"Text3", false}, {"Text4", false}, {"Text5", false}};
    for (auto [field, print] : fields) {
        bool comma = std::string(field) == "Text3" || std::string(field) == "Text4";
        // The four-character fields need room for a typed character.
        if (std::string(field) != "Text2") out.push_back({field, print, '7', true});
        out.push_back({field, print, 8, true});
        out.push_back({field, print, ',', comma});
        for (int rejected : {int{'.'}, int{'-'}, int{' '}, int{'a'}, int{'E'}, 13, 27, 0x2212})
            out.push_back({field, print, rejected, false});
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(AllFields, KeyFilter, testing::ValuesIn(keys()));

struct Edit {
    const char* steps; // see DpiSession::run
    const char* field;
    const char* text;
};

TEST(FieldEditing, LimitsAndEmptyFields) {
    for (const Edit& e : std::vector<Edit>{
             // A fifth typed character is refused in the pixel and resolution fields.
             {"Text5 << 9", "Text5", "2009"},
             {"Text5 << 9; Text5 << 9", "Text5", "2009"},
             {"print; Text2 << 5", "Text2", "1024"},
             {"print; Text1 << 12", "Text1", "7681"},
             // The centimetre fields take any length and any commas.
             {"unlock; Text4 = ,1,2,3456789", "Text4", ",1,2,3456789"},
             {"unlock; Text3 << 123456", "Text3", "9,75123456"},
             // Backspace can empty a field and the empty text stays.
             {"Text3 clear", "Text3", ""},
             {"Text3 clear; Text4 focus", "Text3", ""},
         }) {
        DpiSession s;
        s.run(e.steps);
        EXPECT_EQ(s.text(e.field), e.text) << e.steps;
    }
}

TEST(FocusFlags, TabFromTheHeightToTheWidthInPixels) {
    DpiSession s;
    s.toPrintMode();
    ASSERT_EQ(s.form().focused(), &s.c("Text1"));
    s.form().userTab();
    EXPECT_EQ(s.form().focused(), &s.c("Text2"));
    EXPECT_TRUE(s.window.Text1Active.equals(0));
    EXPECT_TRUE(s.window.Text2Active.equals(1));
}

TEST(FocusFlags, AtMostOneFlagIsSetAndOnlyForTheFocusedField) {
    DpiSession s;
    s.focus("Text4");
    EXPECT_TRUE(s.window.Text4Active.equals(1));
    EXPECT_TRUE(s.window.Text3Active.equals(0));
    s.focus("Check1");
    EXPECT_TRUE(s.window.Text4Active.equals(0));
    EXPECT_TRUE(s.window.Text3Active.equals(0));
}

TEST(FocusFlags, EnteringAndLeavingTheResolutionChangesNoFlag) {
    DpiSession s;
    s.focus("Check1");
    auto flags = [&] {
        return std::vector<value::Variant>{s.window.Text1Active, s.window.Text2Active,
                                           s.window.Text3Active, s.window.Text4Active};
    };
    auto before = flags();
    s.focus("Text5");
    EXPECT_EQ(flags(), before);
    s.focus("Check1");
    EXPECT_EQ(flags(), before);
}

TEST(FocusFlags, BeforeAnyFocusAProgramWriteIsOnlyAFollowUpRun) {
    dpi::DpiWindow w; // not shown: no field has had the focus
    FileSizeRuns estimates(w.form());
    w.form().control("Text1").setText("500");
    EXPECT_EQ(w.form().control("Text3").text(), "9,75");
    EXPECT_EQ(w.form().control("Label10").caption(), "9,75");
    EXPECT_EQ(estimates.count(), 1);
}

} // namespace
