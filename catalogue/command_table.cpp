#include "command_table.h"

#include <stdexcept>
#include <string>

#include "gbk.h"

namespace qz {
namespace {

struct Row {
    int number;
    int group;
    std::string_view key, field, label, caption;
    std::string_view description;  // UTF-8 here for readability; the table holds GBK
};

// Slot 10 reads the key of slot 5: the server has no key of its own for it. The keys keep
// the server's spelling ("Adjuest", "ObServer", "ReloadMonitems"); do not correct them.
constexpr Row kRows[kSlotCount] = {
    {1, 1, "GameMaster", "edt1", "lbl2",
     "管理模式:", "进入/退出管理员模式(进入模式后不会受到任何角色攻击)(支持权限分配)"},
    {2, 1, "Make", "edt2", "lbl3",
     "制造物品:", "制造指定物品(支持权限分配，小于最大权限受允许、禁止制造列表限制)"},
    {3, 1, "PositionMove", "edt3", "lbl4",
     "指定传送:", "移动到指定地图(支持权限分配，小于最大权限受受禁止传送地图列表限制)"},
    {4, 1, "MapMove", "edt4", "lbl5",
     "地图转换:", "移动到指定地图(支持权限分配，小于最大权限受受禁止传送地图列表限制)"},
    {5, 1, "AdjuestTLevel", "edt5", "lbl6",
     "调整等级:", "调整人物的权限等级，可以将普通人物升为GM权限(支持权限分配)"},
    {6, 1, "Kill", "edt6", "lbl7", "杀死目标:", "将指定人物或怪物杀死(杀怪物时需面对怪物)"},
    {7, 1, "PkPoint", "edt7", "lbl8", "查看PK值:", "查看指定人物的PK值"},
    {8, 1, "Hair", "edt8", "lbl9", "改变发型:", "更改指定人物的头发类型(支持权限分配)"},
    {9, 1, "AddGold", "edt9", "lbl10", "增加金币:", "增加人物指定数量的金币(支持权限分配)"},
    {10, 1, "AdjuestTLevel", "edt10", "lbl11", "玩家调级:", "调整自己的等级(支持权限分配)"},
    {11, 1, "OpTraining", "edt11", "lbl12", "添加技能:", "给指定人物增加技能(支持权限分配)"},
    {12, 1, "DeleteItem", "edt12", "lbl13", "删除物品:", "删除人物身上指定的物品(支持权限分配)"},
    {13, 1, "StartQuest", "edt13", "lbl14",
     "在线提问:", "开始提问功能，游戏中所有人同时跳出问题窗口(支持权限分配)"},
    {14, 1, "SuperMan", "edt14", "lbl20",
     "无敌模式:", "进入/退出无敌模式(进入模式后人物不会死亡)(支持权限分配)"},
    {15, 1, "SuperMake", "edt15", "lbl21", "调整物品:", "调整自己身上的物品属性(支持权限分配)"},
    {16, 1, "Recall", "edt16", "lbl22", "传唤玩家:", "将指定人物召唤到身边(支持权限分配)"},
    {17, 1, "Info", "edt17", "lbl23", "人物信息:", "看人物信息(支持权限分配)"},
    {18, 1, "Kick", "edt18", "lbl24", "踢人下线", "将指定人物踢下线(支持权限分配)"},
    {19, 1, "ChangeJob", "edt19", "lbl25", "调整职业:", "调整人物的职业(支持权限分配)"},
    {20, 1, "IncPkPoint", "edt20", "lbl26", "增加PK值:", "增加指定人物的PK值(支持权限分配)"},
    {21, 1, "SetPermission", "edt21", "lbl27",
     "调整权限:", "调整人物的权限等级，可以将普通人物升为GM权限(支持权限分配)"},
    {22, 1, "GameGold", "edt22", "lbl15", "调整元宝:", "调整人物的砾川币数量(支持权限分配)"},
    {23, 1, "AdjuestExp", "edt23", "lbl16", "玩家经验:", "调整指定人物的经验值(支持权限分配)"},
    {24, 1, "DeleteSkill", "edt24", "lbl17",
     "删除技能:", "删除人物的技能，All代表删除全部技能(支持权限分配)"},
    {25, 1, "AddGuild", "edt25", "lbl18", "建立行会:", "新建一个行会(支持权限分配)"},
    {26, 1, "DisableSendMsg", "edt26", "lbl19", "禁言玩家:", "将指定人物禁言(支持权限分配)"},
    {27, 1, "ObServer", "edt27", "lbl33",
     "隐身模式:", "进入/退出隐身模式(进入模式后别人看不到自己)(支持权限分配)"},
    {28, 1, "Move", "edt28", "lbl34",
     "地图传送:", "移动到指定地图(支持权限分配，小于最大权限受受禁止传送地图列表限制)"},
    {29, 1, "ReGoto", "edt29", "lbl35", "跟踪玩家:", "跟踪指定人物(支持权限分配)"},
    {30, 1, "ViewWhisper", "edt30", "lbl36", "侦听私聊:", "查看指定人物的私聊信息(支持权限分配)"},
    {31, 1, "ReAlive", "edt31", "lbl37", "复活人物:", "将指定人物复活(支持权限分配)"},
    {32, 1, "FreePenalty", "edt32", "lbl38", "清除pk值:", "清除指定人物的PK值(支持权限分配)"},
    {33, 1, "ChangeGender", "edt33", "lbl39", "调整性别:", "调整人物的性别(支持权限分配)"},
    {34, 1, "DelGold", "edt34", "lbl40", "删除金币:", "删除人物指定数量的金币(支持权限分配)"},
    {35, 1, "CreditPoint", "edt35", "lbl28", "调整声望:", "调整人物的声望点数(支持权限分配)"},
    {36, 1, "RecallMob", "edt36", "lbl29", "召唤宝宝:", "召唤指定怪物为宝宝(支持权限分配)"},
    {37, 1, "Training", "edt37", "lbl30", "调整技能:", "调整人物的技能修炼等级(支持权限分配)"},
    {38, 1, "DelGuild", "edt38", "lbl31", "删除行会:", "删除一个行会(支持权限分配)"},
    {39, 1, "EnableSendMsg", "edt39", "lbl32",
     "取消禁言:", "将指定人物从禁言列表中删除(支持权限分配)"},
    {40, 2, "ReloadAdmin", "edt41", "lbl41", "加载管理列表:", "加载管理列表"},
    {41, 2, "ReloadRobotManage", "edt42", "lbl42", "机器人配置:", "机器人配置"},
    {42, 2, "ReloadNpc", "edt43", "lbl43", "加载NPC脚本:", "加载npc脚本"},
    {43, 2, "ReloadRobot", "edt44", "lbl44", "机器人脚本:", "机器人脚本"},
    {44, 2, "ReloadManage", "edt45", "lbl45", "加载登录脚本:", "加载登录脚本"},
    {45, 2, "ReloadMonitems", "edt46", "lbl46", "加载怪物爆率:", "加载怪物爆率"},
};

}  // namespace

CommandTable::CommandTable() {
    for (int i = 0; i < kSlotCount; ++i) {
        const Row& r = kRows[i];
        slots_[i] = {
            r.number, r.group, r.key, r.field, r.label, r.caption, gbk::FromUtf8(r.description)};
    }
}

const CommandSlot& CommandTable::Slot(int number) const {
    if (number < 1 || number > kSlotCount)
        throw std::out_of_range("command slot " + std::to_string(number));
    return slots_[static_cast<size_t>(number - 1)];
}

const CommandTable& Commands() {
    static const CommandTable table;
    return table;
}

}  // namespace qz
