#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

// A ready answer a window offers in a control's context menu, next to the
// editing entries. Choosing it acts as the user would, through the model.
struct Pick {
    std::string text; // shown, and read by a screen reader, in full
    bool enabled = true;
    std::function<void()> choose;
    // An option among others: shown with a check mark where it holds.
    std::optional<bool> checked{};
};

// Picks under one heading: a submenu. Without a title the picks stand in
// the menu itself. Where none of them can be chosen, the hint is the
// submenu's first line and says why.
struct PickGroup {
    std::string title;
    std::vector<Pick> picks;
    std::string hint{};
};

} // namespace forms
