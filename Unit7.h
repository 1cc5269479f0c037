// The main window of the viewer: the path of a server's command file, and the words of the
// 45 commands in read-only fields beside their captions, in two panels.
//
// It loads the command file at its creation and on every change of the path field, lets
// the operator choose another server folder, and exports the list into "命令.txt" in the
// program folder. The command words live in its fields and nowhere else.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "CommandEdit.h"
#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"
#include "command_table.h"
#include "file_system.h"

class TForm7 : public tk::TForm {
public:
    // `programFolder` is where the tool lies: the default command file is looked for below
    // it, the folder dialog starts in it, and the export goes into it.
    explicit TForm7(std::filesystem::path programFolder = qz::ProgramFolder());

    tk::TLabel* lbl1;
    tk::TPanel* pnl1;
    tk::TEdit* edt40;  // the path field
    tk::TButton* btn1;
    tk::TPanel* pnl2;
    tk::TButton* btn3;

    // The fields and labels of the 45 slots, in slot order, named as the command table says
    // (edt1 to edt39, edt41 to edt46; lbl2 to lbl46). FindControl finds them by name.
    std::array<TCommandEdit*, qz::kSlotCount> SlotFields{};
    std::array<tk::TLabel*, qz::kSlotCount> SlotLabels{};

    void btn1Click(tk::TObject* Sender);
    void FormCreate(tk::TObject* Sender);
    void edt40Change(tk::TObject* Sender);
    void btn3Click(tk::TObject* Sender);

    // Shows in the 45 fields the words that the command file at `path` (UTF-8 text, as the
    // path field holds it) gives, the empty text where it gives none. Reports nothing.
    // Virtual so that tests can watch the loads.
    virtual void LoadCommandFile(const std::string& path);

    // The 45 words the fields show, byte for byte as loaded.
    qz::CommandValues CommandValues() const;

private:
    void CreateSlotControls(const qz::CommandSlot& slot);

    std::filesystem::path programFolder_;
};

extern TForm7* Form7;
