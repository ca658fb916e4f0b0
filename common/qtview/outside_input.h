#pragma once
#include "common/forms/outside_requests.h"

#include <QObject>

#include <functional>

namespace qtview {

// The one way in for requests from outside the user's events: applied at
// once between events, or from the event loop as soon as the running
// handlers (and the DoEvents inside them) have returned.
class OutsideInput : public QObject {
public:
    explicit OutsideInput(forms::Form& form, QObject* parent = nullptr);
    ~OutsideInput() override;

    void post(std::function<void()> request) { requests_.post(std::move(request)); }

private:
    forms::Form& form_;
    forms::OutsideRequests requests_;
};

} // namespace qtview
