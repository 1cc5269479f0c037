// A static text. It takes no focus; its width follows its text, its height is as set.
#pragma once

#include <string>
#include <string_view>

#include "TControl.h"

namespace tk {

class TLabel : public TControl {
public:
    TLabel(TWinControl& parent, std::string name);

    std::string Caption() const;
    // Sets the text and sizes the label's width to it.
    void SetCaption(std::string_view caption);
};

}  // namespace tk
