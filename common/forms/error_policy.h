#pragma once
#include "common/value/failure.h"

namespace forms {

// One step of a routine "with errors ignored": a failing step is abandoned
// and the routine goes on with its next step.
template <class Step> void step(Step&& s) {
    try {
        s();
    } catch (const value::Failure&) {
    }
}

} // namespace forms
