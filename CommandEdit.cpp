#include "CommandEdit.h"

#include "gbk.h"

TCommandEdit::TCommandEdit(tk::TWinControl& parent, std::string name)
    : tk::TEdit(parent, std::move(name)) {
    SetReadOnly(true);
}

void TCommandEdit::SetValue(std::string bytes) {
    value_ = std::move(bytes);
    SetText(qz::gbk::ToUtf8(value_));
}
