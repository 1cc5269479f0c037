// A control that can hold other controls or take the keyboard focus.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "TControl.h"

namespace tk {

class TWinControl : public TControl {
public:
    ~TWinControl() override;

    // Gives the control the keyboard focus. A text field that gets it this way selects
    // its whole text, as it does when reached by Tab.
    void SetFocus();
    bool Focused() const;

    // This control or the first control below it named `name`, or nullptr.
    TControl* FindControl(std::string_view name);

    const std::vector<std::unique_ptr<TControl>>& Controls() const { return children_; }

protected:
    using TControl::TControl;

private:
    friend class TControl;
    std::vector<std::unique_ptr<TControl>> children_;
};

}  // namespace tk
