#pragma once
#include "common/forms/form.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Follows every handler run of a form through its tracer: no handler is
// entered while it runs already, change handlers nest at most one level,
// and the whole cascade stays within the given depth. It also remembers
// which texts the user put into which field, since those need not be
// numbers.
namespace fuzz {

class EventWatch {
public:
    EventWatch(forms::Form& form, int deepest) : deepest_(deepest) {
        form.setTracer([this](const forms::Control& c, forms::Event e, bool entering, int depth) {
            entering ? enter(c, e, depth) : leave(c, e);
        });
    }

    // Called before each user event.
    void beginEvent() { nestedChanges_ = 0; }
    // Change runs nested in the last user event (runs at depth 2 or more).
    int nestedChanges() const { return nestedChanges_; }

    // Whether the field's text was last written by the user.
    bool userOwned(const forms::Control& field) const {
        auto it = userOwned_.find(&field);
        return it != userOwned_.end() && it->second;
    }
    // Whether the user ever put this text into the field.
    bool userTyped(const forms::Control& field, const std::string& text) const {
        auto it = userTexts_.find(&field);
        return it != userTexts_.end() && it->second.count(std::hash<std::string>{}(text)) > 0;
    }

private:
    void enter(const forms::Control& c, forms::Event e, int depth) {
        for (const auto& [control, event] : running_)
            require(control != &c || event != e, "handler re-entered: " + c.name());
        running_.emplace_back(&c, e);
        require(depth <= deepest_, "handler nesting too deep at " + c.name());
        if (e != forms::Event::Change) return;
        int changes = 0;
        for (const auto& run : running_)
            if (run.second == forms::Event::Change) ++changes;
        require(changes <= 2, "change handlers nested more than one level: " + c.name());
        if (depth == 1) {
            userOwned_[&c] = true;
            userTexts_[&c].insert(std::hash<std::string>{}(c.text()));
        } else {
            userOwned_[&c] = false;
            ++nestedChanges_;
        }
    }
    void leave(const forms::Control& c, forms::Event e) {
        require(!running_.empty() && running_.back().first == &c && running_.back().second == e,
                "handler left out of order: " + c.name());
        running_.pop_back();
    }

    int deepest_;
    int nestedChanges_ = 0;
    std::vector<std::pair<const forms::Control*, forms::Event>> running_;
    std::map<const forms::Control*, bool> userOwned_;
    std::map<const forms::Control*, std::set<std::size_t>> userTexts_;
};

// Runs one user event; anything that escapes it is a fault.
template <class F> void userEvent(EventWatch& watch, F&& event) {
    watch.beginEvent();
    try {
        event();
    } catch (const std::exception& e) {
        fail(std::string("exception escaped a user event: ") + e.what());
    } catch (...) {
        fail("unknown exception escaped a user event");
    }
}

// A pasted text: a few bytes of the input, a number's text, or a long
// repetition of a short pattern (100000 characters).
inline std::string pastedText(ByteReader& in) {
    switch (in.byte() % 4) {
    case 0:
        return value::numberToText(in.rawDouble());
    case 1: {
        const std::string bytes = in.text(4);
        const std::string_view pattern = bytes.empty() ? std::string_view("9") : bytes;
        std::string t;
        while (t.size() < 100000)
            t += pattern;
        return t;
    }
    default:
        return in.text(40);
    }
}

// A typed character code: mostly the keys of a numeric field, else any
// 16-bit code.
inline int typedCode(ByteReader& in) {
    static const char keys[] = "0123456789,\b";
    const std::uint8_t b = in.byte();
    if (b >= 0xF0) return in.word();
    return keys[b % (sizeof keys - 1)];
}

} // namespace fuzz
