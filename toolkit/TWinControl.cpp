#include "TWinControl.h"

namespace tk {

TWinControl::~TWinControl() {
    // Latest first, so that no control outlives one made before it in the same parent; and
    // all of them before this control's own native part goes.
    while (!children_.empty()) children_.pop_back();
}

TControl* TWinControl::FindControl(std::string_view name) {
    if (Name() == name) return this;
    for (const auto& child : children_) {
        if (auto* container = dynamic_cast<TWinControl*>(child.get())) {
            if (TControl* found = container->FindControl(name)) return found;
        } else if (child->Name() == name) {
            return child.get();
        }
    }
    return nullptr;
}

}  // namespace tk
