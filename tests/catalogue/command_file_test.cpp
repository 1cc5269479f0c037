#include "command_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "support/temp_dir.h"

namespace qz {
namespace {

using test::TempDir;
using test::WriteFile;

const std::filesystem::path kFixture = std::filesystem::path(QZ_TEST_DATA) / "Command.ini";

std::string Lower(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(CommandFile, AllKeysFillAllSlotsInSlotOrder) {
    // Each value in the fixture is its key in lower case, entries in no particular order.
    CommandValues values = ReadCommandFile(kFixture);
    for (const CommandSlot& slot : Commands())
        EXPECT_EQ(values[slot.number - 1], Lower(slot.key)) << slot.number;
    EXPECT_EQ(values[9], "adjuesttlevel");  // slot 10 shows slot 5's word
}

TEST(CommandFile, SlotsFiveAndTenFollowOneKey) {
    TempDir dir;
    WriteFile(dir / "c.ini", "[Command]\r\nAdjuestTLevel=\xB5\xF7\xBC\xB6\r\n");
    CommandValues values = ReadCommandFile(dir / "c.ini");
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ(values[i], i == 4 || i == 9 ? "\xB5\xF7\xBC\xB6" : "") << "slot " << i + 1;

    WriteFile(dir / "c.ini", "[Command]\r\nGameMaster=gm\r\n");
    values = ReadCommandFile(dir / "c.ini");
    EXPECT_EQ(values[0], "gm");
    EXPECT_EQ(values[4], "");
    EXPECT_EQ(values[9], "");
}

TEST(CommandFile, EveryReadSeesTheFileAsItIsNow) {
    TempDir dir;
    WriteFile(dir / "any-name.txt", "[Command]\nKick=k1\n");
    EXPECT_EQ(ReadCommandFile(dir / "any-name.txt")[17], "k1");
    WriteFile(dir / "any-name.txt", "[Command]\nKick=k2\n");
    EXPECT_EQ(ReadCommandFile(dir / "any-name.txt")[17], "k2");
    std::filesystem::remove(dir / "any-name.txt");
    EXPECT_EQ(ReadCommandFile(dir / "any-name.txt"), CommandValues{});
}

}  // namespace
}  // namespace qz
