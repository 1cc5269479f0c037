// A single-line text field.
//
// Change rule: every change of the text raises OnChange once, after the text has changed:
// a typed or deleted character, a paste, a cut, an undo, or SetText with a text that
// differs from the current one (raised before SetText returns). SetText with the text the
// field already holds raises nothing. A read-only field takes the focus and lets the user
// select and copy its text, never change it. A field that gets the focus other than by a
// mouse click selects its whole text.
#pragma once

#include <string>
#include <string_view>

#include "TWinControl.h"

namespace tk {

class TEdit : public TWinControl {
public:
    TEdit(TWinControl& parent, std::string name);

    std::string Text() const;  // UTF-8
    void SetText(std::string_view text);

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    std::string SelText() const;  // the selected part of the text

    TNotifyEvent OnChange;
};

}  // namespace tk
