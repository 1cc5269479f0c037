#include "command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "support/hex.h"

namespace qz {
namespace {

using test::Hex;

TEST(CommandTable, SlotsAreNumberedInOrderWithTheirFieldsAndGroups) {
    const CommandTable& table = Commands();
    ASSERT_EQ(CommandTable::Count(), 45);
    int number = 0;
    std::set<std::string_view> labels;
    for (const CommandSlot& slot : table) {
        ++number;
        EXPECT_EQ(slot.number, number);
        EXPECT_EQ(&table.Slot(number), &slot);
        EXPECT_EQ(slot.group, number <= 39 ? 1 : 2) << number;
        // Field numbers skip 40, the path field's.
        EXPECT_EQ(slot.field, "edt" + std::to_string(number <= 39 ? number : number + 1));
        labels.insert(slot.label);
    }
    EXPECT_EQ(labels.size(), 45u);
    EXPECT_FALSE(labels.contains("lbl1"));  // the path field's label
    EXPECT_EQ(table.Slot(14).label, "lbl20");
    EXPECT_EQ(table.Slot(22).label, "lbl15");
    EXPECT_EQ(table.Slot(35).label, "lbl28");
    EXPECT_THROW(table.Slot(0), std::out_of_range);
    EXPECT_THROW(table.Slot(46), std::out_of_range);
}

TEST(CommandTable, KeysAreTheServersWordsWithSlotTenOnSlotFivesKey) {
    const CommandTable& table = Commands();
    std::set<std::string_view> keys;
    for (const CommandSlot& slot : table) keys.insert(slot.key);
    EXPECT_EQ(keys.size(), 44u);
    EXPECT_EQ(table.Slot(5).key, "AdjuestTLevel");
    EXPECT_EQ(table.Slot(10).key, "AdjuestTLevel");
    EXPECT_EQ(table.Slot(23).key, "AdjuestExp");
    EXPECT_EQ(table.Slot(27).key, "ObServer");
    EXPECT_EQ(table.Slot(45).key, "ReloadMonitems");
    EXPECT_EQ(table.Slot(1).key, "GameMaster");
    EXPECT_EQ(table.Slot(41).key, "ReloadRobotManage");
}

TEST(CommandTable, CaptionsAreDistinctAndAllButKickEndInAColon) {
    std::set<std::string_view> captions;
    for (const CommandSlot& slot : Commands()) {
        captions.insert(slot.caption);
        EXPECT_EQ(slot.caption.ends_with(":"), slot.number != 18) << slot.number;
    }
    EXPECT_EQ(captions.size(), 45u);
    EXPECT_EQ(Commands().Slot(18).caption, "踢人下线");
    EXPECT_EQ(Commands().Slot(32).caption, "清除pk值:");
    EXPECT_EQ(Commands().Slot(42).caption, "加载NPC脚本:");
}

TEST(CommandTable, DescriptionsAreTheExactGbkBytes) {
    const CommandTable& table = Commands();
    size_t total = 0;
    std::map<std::string, std::vector<int>> slotsOf;
    int permission = 0;
    const std::string suffix = Hex("28 D6 A7 B3 D6 C8 A8 CF DE B7 D6 C5 E4 29");  // (支持权限分配)
    for (const CommandSlot& slot : table) {
        total += slot.description.size();
        slotsOf[slot.description].push_back(slot.number);
        permission += slot.description.ends_with(suffix);
        EXPECT_EQ(slot.description.find('?'), std::string::npos) << slot.number;
    }
    EXPECT_EQ(total, 1611u);
    EXPECT_EQ(slotsOf.size(), 42u);
    EXPECT_EQ(slotsOf[table.Slot(3).description], (std::vector<int>{3, 4, 28}));
    EXPECT_EQ(slotsOf[table.Slot(5).description], (std::vector<int>{5, 21}));
    EXPECT_EQ(permission, 33);

    // 查看指定人物的PK值
    EXPECT_EQ(table.Slot(7).description,
              Hex("B2 E9 BF B4 D6 B8 B6 A8 C8 CB CE EF B5 C4 50 4B D6 B5"));
    // The doubled 受受 stays.
    EXPECT_NE(table.Slot(3).description.find(Hex("CA DC CA DC")), std::string::npos);
    // 加载npc脚本: lower case unlike its caption.
    EXPECT_EQ(table.Slot(42).description, Hex("BC D3 D4 D8 6E 70 63 BD C5 B1 BE"));
}

}  // namespace
}  // namespace qz
