#include "Unit7.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

#include <memory>
#include <optional>

#include "Dialogs.h"
#include "TApplication.h"
#include "command_export.h"
#include "support/qt_support.h"
#include "support/temp_dir.h"

namespace {

using qz::test::ReadFile;
using qz::test::TempDir;
using qz::test::WriteFile;

// Counts the loads and remembers the path of the last one.
class WatchedForm : public TForm7 {
public:
    using TForm7::TForm7;
    void LoadCommandFile(const std::string& path) override {
        ++loads;
        lastPath = path;
        TForm7::LoadCommandFile(path);
    }
    int loads = 0;
    std::string lastPath;
};

// A program folder laid out as a server's root, and the window made in it as at start-up.
class Viewer : public ::testing::Test {
protected:
    Viewer() {
        std::filesystem::create_directories(root / "Vek200" / "Config");
        WriteFile(commandFile(), ReadFile(std::filesystem::path(QZ_TEST_DATA) / "Command.ini"));
    }
    ~Viewer() override { tk::SetDialogHooks({}); }

    std::filesystem::path commandFile() const { return root / "Vek200" / "Config" / "Command.ini"; }
    std::string commandPath() const { return qz::PathToUtf8(commandFile()); }

    WatchedForm& Start() {
        form = std::make_unique<WatchedForm>(root.path() / "");
        tk::Application->Dispatch(form->OnCreate, form.get());
        return *form;
    }

    bool AllEmpty() const {
        for (auto* f : form->SlotFields)
            if (!f->Value().empty() || !f->Text().empty()) return false;
        return true;
    }

    void AnswerFolderDialog(std::optional<std::string> answer) {
        tk::DialogHooks hooks;
        hooks.selectDirectory = [this, answer](const tk::SelectDirectoryRequest& r) {
            folderRequests.push_back(r);
            return answer;
        };
        hooks.messageBox = [this](const tk::MessageBoxRequest& r) {
            messages.push_back(r);
            return 1;
        };
        tk::SetDialogHooks(hooks);
    }

    TempDir root;
    std::unique_ptr<WatchedForm> form;
    std::vector<tk::SelectDirectoryRequest> folderRequests;
    std::vector<tk::MessageBoxRequest> messages;
};

QWidget* Widget(tk::TControl* c) {
    return static_cast<QWidget*>(c->Handle());
}

TEST_F(Viewer, EveryControlHasItsPlaceParentAndText) {
    TForm7& f = Start();
    EXPECT_EQ(f.Caption(), "qz引擎命令查看工具");
    EXPECT_EQ(f.ClientWidth(), 717);
    EXPECT_EQ(f.ClientHeight(), 512);

    const struct {
        const char* name;
        const char* parent;
        tk::TRect rect;
        const char* text;
    } windowLevel[] = {
        {"lbl1", "", {8, 24, 0, 13}, "服务端路径:"}, {"edt40", "", {78, 20, 459, 21}, nullptr},
        {"btn1", "", {543, 19, 82, 25}, "浏览"},     {"btn3", "", {627, 19, 82, 25}, "导出"},
        {"pnl1", "", {0, 50, 721, 393}, nullptr},    {"pnl2", "", {0, 439, 721, 125}, nullptr},
    };
    for (const auto& c : windowLevel) {
        SCOPED_TRACE(c.name);
        tk::TControl* control = f.FindControl(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Parent(), &f);
        tk::TRect r = control->BoundsRect();
        if (auto* label = dynamic_cast<tk::TLabel*>(control)) {
            EXPECT_EQ(label->Caption(), c.text);
            EXPECT_GT(r.Width, 0);  // sized to its text
            r.Width = 0;
        }
        if (auto* button = dynamic_cast<tk::TButton*>(control))
            EXPECT_EQ(button->Caption(), c.text);
        EXPECT_EQ(r, c.rect);
    }

    // Slot: label left and top; field left, top and width. Heights are 13 and 21.
    const struct {
        int slot, labelLeft, labelTop, fieldLeft, fieldTop, fieldWidth;
    } places[] = {
        {1, 28, 24, 86, 21, 121},      {2, 28, 51, 86, 48, 121},      {3, 28, 78, 86, 75, 121},
        {4, 28, 105, 86, 102, 121},    {5, 28, 132, 86, 129, 121},    {6, 28, 159, 86, 156, 121},
        {7, 28, 186, 86, 183, 121},    {8, 28, 213, 86, 210, 121},    {9, 28, 240, 86, 237, 121},
        {10, 28, 264, 86, 261, 121},   {11, 28, 291, 86, 288, 121},   {12, 28, 318, 86, 315, 121},
        {13, 28, 345, 86, 342, 121},   {14, 260, 24, 318, 21, 121},   {15, 260, 51, 318, 48, 121},
        {16, 260, 78, 318, 75, 121},   {17, 260, 105, 318, 102, 121}, {18, 260, 132, 318, 129, 121},
        {19, 260, 159, 318, 156, 121}, {20, 260, 186, 318, 183, 121}, {21, 260, 213, 318, 210, 121},
        {22, 260, 240, 318, 237, 121}, {23, 260, 264, 318, 261, 121}, {24, 260, 291, 318, 288, 121},
        {25, 260, 318, 318, 315, 121}, {26, 260, 345, 318, 342, 121}, {27, 516, 24, 574, 21, 121},
        {28, 516, 51, 574, 48, 121},   {29, 516, 78, 574, 75, 121},   {30, 516, 105, 574, 102, 121},
        {31, 516, 132, 574, 129, 121}, {32, 516, 159, 574, 156, 121}, {33, 516, 186, 574, 183, 121},
        {34, 516, 213, 574, 210, 121}, {35, 516, 240, 574, 237, 121}, {36, 516, 264, 574, 264, 121},
        {37, 516, 291, 574, 291, 121}, {38, 516, 318, 574, 318, 121}, {39, 516, 345, 574, 345, 121},
        {40, 28, 24, 110, 20, 97},     {41, 28, 51, 110, 47, 97},     {42, 258, 24, 336, 20, 103},
        {43, 258, 51, 336, 47, 103},   {44, 518, 24, 600, 20, 97},    {45, 518, 51, 600, 47, 97},
    };
    for (const auto& s : places) {
        const qz::CommandSlot& slot = qz::Commands().Slot(s.slot);
        SCOPED_TRACE(testing::Message() << "slot " << s.slot);
        auto* field = dynamic_cast<TCommandEdit*>(f.FindControl(slot.field));
        auto* label = dynamic_cast<tk::TLabel*>(f.FindControl(slot.label));
        ASSERT_NE(field, nullptr);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(field, f.SlotFields[s.slot - 1]);
        tk::TWinControl* panel = s.slot <= 39 ? static_cast<tk::TWinControl*>(f.pnl1) : f.pnl2;
        EXPECT_EQ(field->Parent(), panel);
        EXPECT_EQ(label->Parent(), panel);
        EXPECT_EQ(field->BoundsRect(), (tk::TRect{s.fieldLeft, s.fieldTop, s.fieldWidth, 21}));
        tk::TRect l = label->BoundsRect();
        EXPECT_EQ((tk::TRect{l.Left, l.Top, 0, l.Height}),
                  (tk::TRect{s.labelLeft, s.labelTop, 0, 13}));
        EXPECT_EQ(label->Caption(), slot.caption);
        EXPECT_TRUE(field->ReadOnly());
        // The label's text ends before its field begins.
        EXPECT_LE(l.Left + l.Width, s.fieldLeft) << label->Caption();
    }
    EXPECT_FALSE(f.edt40->ReadOnly());
    // pnl2 lies above the last rows of pnl1.
    EXPECT_EQ(Widget(&f)->childAt(300, 440), Widget(f.pnl2));
    EXPECT_EQ(Widget(&f)->childAt(300, 438), Widget(f.pnl1));
}

TEST_F(Viewer, TabVisitsTheFieldsInTheirOrderBothWays) {
    TForm7& f = Start();
    ASSERT_TRUE(tk::test::ShowActive(f));
    f.SlotFields[0]->SetFocus();

    std::vector<std::string> expected;
    for (auto [a, b] : {std::pair{1, 14}, {23, 26}, {15, 22}, {27, 39}})
        for (int s = a; s <= b; ++s) expected.push_back("edt" + std::to_string(s));
    expected.push_back("edt40");
    expected.push_back("btn1");
    for (int s = 41; s <= 46; ++s) expected.push_back("edt" + std::to_string(s));
    expected.push_back("btn3");

    auto focused = [&] {
        tk::TWinControl* c = f.ActiveControl();
        return c ? c->Name() : std::string("(none)");
    };
    for (size_t i = 0; i <= expected.size(); ++i) {
        EXPECT_EQ(focused(), expected[i % expected.size()]) << "after " << i << " tabs";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Now on slot 2's field; back round the other way.
    for (size_t i = 1; i <= expected.size() + 1; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(focused(), expected[(expected.size() + 1 - i) % expected.size()])
            << "after " << i << " back-tabs";
    }
    f.Close();
}

TEST_F(Viewer, StartUpShowsTheDefaultPathAndLoadsItTwice) {
    WatchedForm& f = Start();
    EXPECT_EQ(f.edt40->Text(), qz::PathToUtf8(root.path()) + "/Vek200/Config/Command.ini");
    EXPECT_EQ(f.loads, 2);
    EXPECT_EQ(f.lastPath, f.edt40->Text());
    for (const qz::CommandSlot& slot : qz::Commands())
        EXPECT_FALSE(f.SlotFields[slot.number - 1]->Text().empty()) << slot.number;
    EXPECT_EQ(f.SlotFields[4]->Value(), f.SlotFields[9]->Value());
    EXPECT_EQ(f.SlotFields[0]->Text(), "gamemaster");
}

TEST_F(Viewer, WithoutAServerFolderTheFieldsStayEmptyAndNothingIsSaid) {
    std::filesystem::remove_all(root / "Vek200");
    AnswerFolderDialog(std::nullopt);
    WatchedForm& f = Start();
    EXPECT_TRUE(f.edt40->Text().ends_with("/Vek200/Config/Command.ini"));
    EXPECT_TRUE(AllEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(Viewer, EveryChangeOfThePathLoadsAndOnlyAChange) {
    WatchedForm& f = Start();
    ASSERT_TRUE(tk::test::ShowActive(f));

    f.edt40->SetText(f.edt40->Text());  // the same text: no change
    EXPECT_EQ(f.loads, 2);

    f.edt40->SetText("");  // clearing is a change
    EXPECT_EQ(f.loads, 3);
    EXPECT_TRUE(AllEmpty());

    auto* edit = static_cast<QLineEdit*>(Widget(f.edt40));
    edit->setFocus();
    const QString path = QString::fromStdString(commandPath());
    for (qsizetype i = 0; i < path.size(); ++i) {
        QTest::keyClick(edit, path[i].toLatin1());
        ASSERT_EQ(f.loads, 4 + i);
        ASSERT_EQ(f.lastPath, path.left(i + 1).toStdString());
        ASSERT_EQ(AllEmpty(), i + 1 < path.size()) << "after " << i + 1 << " characters";
    }
    QTest::keyClick(edit, 'x');
    EXPECT_TRUE(AllEmpty());
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.SlotFields[0]->Text(), "gamemaster");
    f.Close();
}

TEST_F(Viewer, SlotFieldsCanBeSelectedButNotChanged) {
    TForm7& f = Start();
    f.Show();
    auto* edit = static_cast<QLineEdit*>(Widget(f.SlotFields[0]));
    f.SlotFields[0]->SetFocus();
    EXPECT_EQ(f.SlotFields[0]->SelText(), "gamemaster");
    QTest::keyClicks(edit, "zz");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.SlotFields[0]->Text(), "gamemaster");
    EXPECT_EQ(f.SlotFields[0]->Value(), "gamemaster");
    f.Close();
}

TEST_F(Viewer, ChoosingAServerFolder) {
    TempDir other;
    std::filesystem::create_directories(other / "Vek200" / "Config");
    WriteFile(other / "Vek200" / "Config" / "Command.ini", "[Command]\r\nKick=\xCC\xDF\r\n");
    std::filesystem::create_directories(other / "bad" / "Config" / "Command.ini");  // a folder
    std::filesystem::create_directories(other / "empty" / "Config");
    WriteFile(other / "empty" / "Config" / "Command.ini", "");

    const struct {
        const char* name;
        std::optional<std::string> chosen;
        bool accepted;
        std::string kick;  // slot 18 afterwards
    } cases[] = {
        {"cancel", std::nullopt, false, "kick"},
        {"another server's Vek200", qz::PathToUtf8(other / "Vek200"), true, "\xCC\xDF"},
        {"with a trailing separator", qz::PathToUtf8(other / "Vek200") + "/", true, "\xCC\xDF"},
        {"the program folder itself", qz::PathToUtf8(root.path()), false, "kick"},
        {"the file-system root", "/", false, "kick"},
        {"Command.ini is a folder", qz::PathToUtf8(other / "bad"), false, "kick"},
        {"an empty command file", qz::PathToUtf8(other / "empty"), true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folderRequests.clear();
        messages.clear();
        AnswerFolderDialog(c.chosen);
        WatchedForm& f = Start();
        const std::string before = f.edt40->Text();
        f.btn1->Click();

        ASSERT_EQ(folderRequests.size(), 1u);
        EXPECT_EQ(folderRequests[0].caption, "选择目录:");
        EXPECT_EQ(folderRequests[0].root, "");
        EXPECT_EQ(folderRequests[0].directory, qz::PathToUtf8(root.path()) + "/");
        EXPECT_EQ(folderRequests[0].flags, 0x41u);
        EXPECT_EQ(folderRequests[0].parent, &f);

        EXPECT_EQ(f.SlotFields[17]->Value(), c.kick);
        if (c.accepted) {
            std::string folder = *c.chosen;
            if (folder.back() == '/') folder.pop_back();
            EXPECT_EQ(f.edt40->Text(), folder + "/Config/Command.ini");
            EXPECT_EQ(f.loads, 4);  // through the change, then once more
            EXPECT_TRUE(messages.empty());
        } else {
            EXPECT_EQ(f.edt40->Text(), before);
            EXPECT_EQ(f.loads, 2);
            if (c.chosen) {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_EQ(messages[0].text, "请选择正确的目录！");
                EXPECT_EQ(messages[0].caption, "提示");
                EXPECT_EQ(messages[0].flags, tk::mbOk | tk::mbIconError);
            } else {
                EXPECT_TRUE(messages.empty());
            }
        }
    }
}

TEST_F(Viewer, ChoosingTheFolderAlreadyShownReadsItAfresh) {
    AnswerFolderDialog(qz::PathToUtf8(root / "Vek200"));
    WatchedForm& f = Start();
    const std::string path = f.edt40->Text();
    WriteFile(commandFile(), "[Command]\nKick=edited\n");
    f.btn1->Click();
    EXPECT_EQ(f.edt40->Text(), path);
    EXPECT_EQ(f.loads, 3);  // no change of the field, one load
    EXPECT_EQ(f.SlotFields[17]->Value(), "edited");
    EXPECT_EQ(f.SlotFields[0]->Value(), "");
}

TEST_F(Viewer, ExportWritesTheBytesThatWereLoaded) {
    // Words that are no valid GBK still go out byte for byte.
    WriteFile(commandFile(),
              "[Command]\r\nGameMaster=\xFF\x80\r\nKick=\xCC\xDF \r\nAdjuestTLevel=lv\r\n");
    TForm7& f = Start();
    f.btn3->Click();
    qz::CommandValues values;
    values[0] = "\xFF\x80";
    values[17] = "\xCC\xDF";
    values[4] = values[9] = "lv";
    EXPECT_EQ(ReadFile(root / qz::ExportFileName()), qz::FormatCommandList(values, true));
    f.btn3->Click();
    EXPECT_EQ(ReadFile(root / qz::ExportFileName()),
              qz::FormatCommandList(values, true) + qz::FormatCommandList(values, false));
}

TEST_F(Viewer, AFailedExportIsReportedAndTheWindowGoesOn) {
    AnswerFolderDialog(std::nullopt);
    TForm7& f = Start();
    std::filesystem::create_directory(root / qz::ExportFileName());
    f.btn3->Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "File access denied");
    EXPECT_EQ(messages[0].flags, tk::mbOk | tk::mbIconError);
    EXPECT_EQ(f.SlotFields[0]->Value(), "gamemaster");
    EXPECT_EQ(f.edt40->Text(), commandPath());

    std::filesystem::remove(root / qz::ExportFileName());
    f.btn3->Click();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ReadFile(root / qz::ExportFileName()),
              qz::FormatCommandList(f.CommandValues(), true));
}

TEST_F(Viewer, TheRealFolderDialogAndMessageBox) {
    tk::SetDialogHooks({});
    WatchedForm& f = Start();
    ASSERT_TRUE(tk::test::ShowActive(f));
    WriteFile(commandFile(), "[Command]\nKick=real\n");

    // Into the server's Vek200 folder and OK.
    std::string startedIn;
    tk::test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return modal->close(), void();
        startedIn = dialog->directory().absolutePath().toStdString();
        dialog->setDirectory(QString::fromStdString(qz::PathToUtf8(root / "Vek200")));
        static_cast<QDialog*>(dialog)->accept();
    });
    f.btn1->Click();
    EXPECT_EQ(startedIn, qz::PathToUtf8(root.path()));
    EXPECT_EQ(f.SlotFields[17]->Value(), "real");
    EXPECT_EQ(f.loads, 3);  // the field showed this path already

    // The program folder holds no Config/Command.ini: the message, then nothing changes.
    std::string message;
    tk::test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return modal->close(), void();
        dialog->setDirectory(QString::fromStdString(qz::PathToUtf8(root.path())));
        tk::test::OnNextModal([&](QWidget* box) {
            if (auto* m = qobject_cast<QMessageBox*>(box)) message = m->text().toStdString();
            box->close();
        });
        static_cast<QDialog*>(dialog)->accept();
    });
    f.btn1->Click();
    EXPECT_EQ(message, "请选择正确的目录！");
    EXPECT_EQ(f.edt40->Text(), commandPath());
    EXPECT_EQ(f.loads, 3);
    f.Close();
}

}  // namespace
