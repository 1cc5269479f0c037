#include "TControl.h"

#include <utility>

#include "TWinControl.h"

namespace tk {

TControl::TControl(TWinControl* parent, std::string name, Native* native)
    : parent_(parent), name_(std::move(name)), native_(native) {
    // Last, so that a failure before this point leaves the parent untouched.
    if (parent_) parent_->children_.emplace_back(this);
}

TControl::~TControl() = default;

}  // namespace tk
