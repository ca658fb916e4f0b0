#pragma once
#include "common/forms/form.h"

// Counts the file-size estimates of a DPI window: each one ends by writing
// its result into Label12, and nothing else writes there.
class FileSizeRuns : public forms::FormObserver {
public:
    explicit FileSizeRuns(forms::Form& form) : form_(form), label_(form.control("Label12")) {
        form_.addObserver(this);
    }
    ~FileSizeRuns() override { form_.removeObserver(this); }
    FileSizeRuns(const FileSizeRuns&) = delete;
    FileSizeRuns& operator=(const FileSizeRuns&) = delete;

    int count() const { return count_; }

private:
    void controlChanged(forms::Control& c, forms::Property p) override {
        if (&c == &label_ && p == forms::Property::Caption) ++count_;
    }
    void formChanged(forms::FormProperty) override {}
    void focusMoved(forms::Control*) override {}

    forms::Form& form_;
    const forms::Control& label_;
    int count_ = 0;
};
