#include "Unit7.h"

#include "Dialogs.h"
#include "TApplication.h"
#include "command_export.h"
#include "command_file.h"

TForm7* Form7 = nullptr;

namespace {

struct Place {
    int labelLeft, labelTop, fieldLeft, fieldTop, fieldWidth;
};

// The grid of the 39 commands of the first panel: three columns of 13, filled column by
// column. Rows 10 to 13 sit 24 pixels below row 9 instead of 27; the fields of the third
// column keep the 27-pixel step, so there they line up with their labels' tops.
Place FirstPanelPlace(int slot) {
    constexpr int kLabelLeft[] = {28, 260, 516};
    constexpr int kFieldLeft[] = {86, 318, 574};
    int column = (slot - 1) / 13;
    int row = (slot - 1) % 13 + 1;
    int labelTop = row <= 9 ? 24 + 27 * (row - 1) : 264 + 27 * (row - 10);
    int fieldTop = column == 2 && row >= 10 ? labelTop : labelTop - 3;
    return {kLabelLeft[column], labelTop, kFieldLeft[column], fieldTop, 121};
}

// The six reload commands of the second panel: three columns of two.
Place SecondPanelPlace(int slot) {
    constexpr int kLabelLeft[] = {28, 258, 518};
    constexpr int kFieldLeft[] = {110, 336, 600};
    constexpr int kFieldWidth[] = {97, 103, 97};
    int column = (slot - 40) / 2;
    int row = (slot - 40) % 2;
    return {kLabelLeft[column], 24 + 27 * row, kFieldLeft[column], 20 + 27 * row,
            kFieldWidth[column]};
}

// Slots in the order Tab visits their fields: down the first column and into the second
// as far as slot 14, then the bottom of the second column before its top.
constexpr int kTabRuns[][2] = {{1, 14}, {23, 26}, {15, 22}, {27, 39}};

}  // namespace

TForm7::TForm7(std::filesystem::path programFolder) : programFolder_(std::move(programFolder)) {
    SetCaption("qz引擎命令查看工具");
    SetClientSize(717, 512);
    SetFont("Tahoma", 11);
    SetColor(tk::TColor::BtnFace);

    lbl1 = new tk::TLabel(*this, "lbl1");
    lbl1->SetBounds(8, 24, 64, 13);
    lbl1->SetCaption("服务端路径:");
    pnl1 = new tk::TPanel(*this, "pnl1");
    pnl1->SetBounds(0, 50, 721, 393);
    edt40 = new tk::TEdit(*this, "edt40");
    edt40->SetBounds(78, 20, 459, 21);
    btn1 = new tk::TButton(*this, "btn1");
    btn1->SetBounds(543, 19, 82, 25);
    btn1->SetCaption("浏览");
    // Made after pnl1, so it lies above pnl1's last rows.
    pnl2 = new tk::TPanel(*this, "pnl2");
    pnl2->SetBounds(0, 439, 721, 125);
    btn3 = new tk::TButton(*this, "btn3");
    btn3->SetBounds(627, 19, 82, 25);
    btn3->SetCaption("导出");

    for (const qz::CommandSlot& slot : qz::Commands()) CreateSlotControls(slot);

    std::vector<tk::TWinControl*> tabOrder;
    for (auto [first, last] : kTabRuns)
        for (int s = first; s <= last; ++s) tabOrder.push_back(SlotFields[s - 1]);
    tabOrder.push_back(edt40);
    tabOrder.push_back(btn1);
    for (int s = 40; s <= 45; ++s) tabOrder.push_back(SlotFields[s - 1]);
    tabOrder.push_back(btn3);
    SetTabOrder(std::move(tabOrder));

    OnCreate = [this](tk::TObject* sender) { FormCreate(sender); };
    edt40->OnChange = [this](tk::TObject* sender) { edt40Change(sender); };
    btn1->OnClick = [this](tk::TObject* sender) { btn1Click(sender); };
    btn3->OnClick = [this](tk::TObject* sender) { btn3Click(sender); };
}

void TForm7::CreateSlotControls(const qz::CommandSlot& slot) {
    tk::TPanel& panel = slot.group == 1 ? *pnl1 : *pnl2;
    Place at = slot.group == 1 ? FirstPanelPlace(slot.number) : SecondPanelPlace(slot.number);

    auto* label = new tk::TLabel(panel, std::string(slot.label));
    label->SetBounds(at.labelLeft, at.labelTop, 0, 13);
    label->SetCaption(slot.caption);
    auto* field = new TCommandEdit(panel, std::string(slot.field));
    field->SetBounds(at.fieldLeft, at.fieldTop, at.fieldWidth, 21);

    SlotLabels[slot.number - 1] = label;
    SlotFields[slot.number - 1] = field;
}

void TForm7::FormCreate(tk::TObject*) {
    std::string path =
        qz::JoinPath(qz::PathToUtf8(programFolder_), {"Vek200", "Config", "Command.ini"});
    edt40->SetText(path);  // a change: loads through edt40Change
    LoadCommandFile(path);
}

void TForm7::edt40Change(tk::TObject*) {
    LoadCommandFile(edt40->Text());
}

void TForm7::btn1Click(tk::TObject*) {
    std::string folder = qz::PathToUtf8(programFolder_);
    if (!tk::SelectDirectory("选择目录:", "", folder,
                             tk::bifReturnOnlyFsDirs | tk::bifNewDialogStyle, this))
        return;
    std::string path = qz::JoinPath(folder, {"Config", "Command.ini"});
    if (!qz::FileExists(qz::PathFromUtf8(path))) {
        tk::Application->MessageBox("请选择正确的目录！", "提示", tk::mbOk | tk::mbIconError);
        return;
    }
    edt40->SetText(path);   // loads, unless the field showed this path already
    LoadCommandFile(path);  // so the file is read afresh either way
}

void TForm7::btn3Click(tk::TObject*) {
    // A failed step raises EInOutError, which the application's error handler reports.
    qz::ExportCommandList(CommandValues(), programFolder_);
}

void TForm7::LoadCommandFile(const std::string& path) {
    qz::CommandValues values = qz::ReadCommandFile(qz::PathFromUtf8(path));
    for (size_t i = 0; i < values.size(); ++i) SlotFields[i]->SetValue(std::move(values[i]));
}

qz::CommandValues TForm7::CommandValues() const {
    qz::CommandValues values;
    for (size_t i = 0; i < values.size(); ++i) values[i] = SlotFields[i]->Value();
    return values;
}
