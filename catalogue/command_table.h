// The fixed catalogue of the 45 administrative commands that the viewer shows and exports.
//
// The table alone defines the slot order: loading reads the keys in slot order, the export
// writes its lines in slot order and the window lays out its fields in slot order. It is
// built once, on first use, and never changes afterwards.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qz {

inline constexpr int kSlotCount = 45;

// The command words in slot order (index 0 is slot 1), each a GBK byte string.
using CommandValues = std::array<std::string, kSlotCount>;

struct CommandSlot {
    int number;                // 1 to 45, the position in the table
    int group;                 // 1: panel pnl1 (slots 1-39); 2: reload commands, pnl2 (40-45)
    std::string_view key;      // key in section "Command", letter case exactly as the server's
    std::string_view field;    // name of the read-only field that shows the word
    std::string_view label;    // name of the label beside the field
    std::string_view caption;  // the label's text, UTF-8; never written to a file
    std::string description;   // what the export writes after the word, GBK bytes
};

class CommandTable {
public:
    using Slots = std::array<CommandSlot, kSlotCount>;

    static constexpr int Count() { return kSlotCount; }

    // The slot with the given number; throws std::out_of_range outside 1 to 45.
    const CommandSlot& Slot(int number) const;

    Slots::const_iterator begin() const { return slots_.begin(); }
    Slots::const_iterator end() const { return slots_.end(); }

private:
    friend const CommandTable& Commands();
    CommandTable();
    Slots slots_;
};

// The one table of the program.
const CommandTable& Commands();

}  // namespace qz
