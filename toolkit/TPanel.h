// A panel: a raised bevel one pixel wide, no caption, the button-face colour. It takes no
// focus and clips its children to its area.
#pragma once

#include <string>

#include "TWinControl.h"

namespace tk {

class TPanel : public TWinControl {
public:
    TPanel(TWinControl& parent, std::string name);
};

}  // namespace tk
