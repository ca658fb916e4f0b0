#pragma once
#include "common/forms/form.h"

#include <cstddef>
#include <deque>
#include <functional>

namespace forms {

// Input that does not come from the user's events (a file read that has
// finished, a request from the desktop, a drop) must not run in the middle
// of a cascade, where a handler's DoEvents would let it in. Requests are
// applied only while no handler runs, in the order they arrived.
class OutsideRequests {
public:
    explicit OutsideRequests(Form& form) : form_(form) {}

    // Applies the request at once when no handler runs and none waits;
    // otherwise it waits for applyPending.
    void post(std::function<void()> request);
    // Applies the waiting requests, oldest first, as long as no handler runs.
    void applyPending();
    std::size_t pending() const { return queue_.size(); }

private:
    Form& form_;
    std::deque<std::function<void()>> queue_;
    bool applying_ = false;
};

} // namespace forms
