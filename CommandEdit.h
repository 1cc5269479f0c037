// A read-only field that shows one command word.
//
// The word is a GBK byte string; the field shows it decoded. It keeps the bytes as they
// were loaded, so that the export writes back exactly what was read, also where the bytes
// are no valid GBK and the field can only show a replacement character for them.
#pragma once

#include <string>

#include "TEdit.h"

class TCommandEdit : public tk::TEdit {
public:
    TCommandEdit(tk::TWinControl& parent, std::string name);

    const std::string& Value() const { return value_; }
    void SetValue(std::string bytes);

private:
    std::string value_;
};
