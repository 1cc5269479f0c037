// A push button; neither a default nor a cancel button.
#pragma once

#include <string>
#include <string_view>

#include "TWinControl.h"

namespace tk {

class TButton : public TWinControl {
public:
    TButton(TWinControl& parent, std::string name);

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    // What a click by the user does: raises OnClick.
    void Click();

    TNotifyEvent OnClick;
};

}  // namespace tk
