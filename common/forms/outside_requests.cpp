#include "common/forms/outside_requests.h"

namespace forms {

void OutsideRequests::post(std::function<void()> request) {
    queue_.push_back(std::move(request));
    applyPending();
}

void OutsideRequests::applyPending() {
    // A request's own DoEvents may post more: those wait for this loop.
    if (applying_) return;
    struct Applying {
        bool& flag;
        explicit Applying(bool& f) : flag(f) { flag = true; }
        ~Applying() { flag = false; }
    } applying{applying_};
    while (!queue_.empty() && form_.eventDepth() == 0) {
        auto request = std::move(queue_.front());
        queue_.pop_front();
        request();
    }
}

} // namespace forms
