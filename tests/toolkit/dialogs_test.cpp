#include "Dialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "TApplication.h"
#include "TEdit.h"
#include "support/qt_support.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

using test::QtWidget;

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

TEST(SelectDirectoryHook, GetsTheRequestWithTheInitialFolderOnlyIfItExists) {
    test::HooksReset reset;
    qz::test::TempDir temp;
    std::filesystem::create_directory(temp.path() / "游戏目录");
    std::ofstream(temp.path() / "file.txt") << "x";
    const std::string existing = Utf8(temp.path() / "游戏目录");
    struct Case {
        const char* name;
        std::string initial;
        std::string expected;
    };
    const Case cases[] = {
        {"existing folder", existing, existing},
        {"missing folder", Utf8(temp.path() / "missing"), ""},
        {"a file", Utf8(temp.path() / "file.txt"), ""},
        {"empty", "", ""},
    };
    TForm form;
    auto* edit = new TEdit(form, "Edit1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<SelectDirectoryRequest> seen;
        DialogHooks hooks;
        hooks.selectDirectory = [&](const SelectDirectoryRequest& request) {
            seen = request;
            return std::nullopt;
        };
        SetDialogHooks(hooks);
        std::string directory = c.initial;
        EXPECT_FALSE(SelectDirectory("选择服务器目录", "", directory,
                                     bifReturnOnlyFsDirs | bifNewDialogStyle, edit));
        EXPECT_EQ(directory, c.initial);  // cancelled: as it was
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->directory, c.expected);
        EXPECT_EQ(seen->caption, "选择服务器目录");
        EXPECT_EQ(seen->root, "");
        EXPECT_EQ(seen->flags, bifReturnOnlyFsDirs | bifNewDialogStyle);
        EXPECT_EQ(seen->parent, edit);
    }
}

TEST(SelectDirectoryHook, AnAnswerIsTheChosenFolder) {
    test::HooksReset reset;
    DialogHooks hooks;
    hooks.selectDirectory = [](const SelectDirectoryRequest&) {
        return std::optional<std::string>("/srv/游戏/Mir200");
    };
    SetDialogHooks(hooks);
    std::string directory = "/no/such/folder";
    EXPECT_TRUE(SelectDirectory("选择", "", directory, 0, nullptr));
    EXPECT_EQ(directory, "/srv/游戏/Mir200");
}

// The real dialogs, answered from inside their own event loops.
TEST(RealDialogs, MessageBoxIsModalWithThePlainTextAndOwnedByTheActiveWindow) {
    SetDialogHooks({});
    TForm form;
    form.SetCaption("主窗口");
    ASSERT_TRUE(test::ShowActive(form));
    bool found = false;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QWidget* owner = nullptr;
    test::OnNextModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            found = true;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            format = box->textFormat();
            owner = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        } else {
            modal->close();
        }
    });
    const int answer = Application->MessageBox("找不到 <b>文件</b>", "出错", mbOk | mbIconError);
    ASSERT_TRUE(found);
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(text.toStdString(), "找不到 <b>文件</b>");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(title.toStdString(), "出错");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(owner, QtWidget(form));
}

TEST(RealDialogs, FolderDialogReturnsTheChosenFolderOrNothingOnCancel) {
    SetDialogHooks({});
    qz::test::TempDir temp;
    const std::filesystem::path picked = temp.path() / "新建文件夹";
    std::filesystem::create_directory(picked);
    TForm form;
    auto* edit = new TEdit(form, "Edit1");
    ASSERT_TRUE(test::ShowActive(form));

    struct Seen {
        bool found = false;
        QString lookIn, directory;
        bool directoriesOnly = false, qtDialog = false;
        QWidget* owner = nullptr;
    } seen;
    auto inspect = [&seen](QFileDialog* dialog) {
        seen.found = true;
        seen.lookIn = dialog->labelText(QFileDialog::LookIn);
        seen.directory = dialog->directory().absolutePath();
        seen.directoriesOnly = dialog->fileMode() == QFileDialog::Directory &&
                               dialog->testOption(QFileDialog::ShowDirsOnly);
        seen.qtDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
        seen.owner = dialog->parentWidget();
    };

    test::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) return modal->close(), void();
        inspect(dialog);
        // Into the folder, nothing typed: Choose takes the folder shown. (selectFile would
        // depend on the focus and on the folder model having loaded.)
        dialog->setDirectory(QString::fromStdString(Utf8(picked)));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it, QDialog does not
    });
    std::string directory = Utf8(temp.path());
    const bool chosen =
        SelectDirectory("请选择游戏服务器目录", "", directory, bifReturnOnlyFsDirs, edit);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.lookIn.toStdString(), "请选择游戏服务器目录");
    EXPECT_EQ(seen.directory.toStdString(), Utf8(temp.path()));
    EXPECT_TRUE(seen.directoriesOnly);
    EXPECT_TRUE(seen.qtDialog);
    EXPECT_EQ(seen.owner, QtWidget(form));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(directory, Utf8(picked));
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(picked)));

    seen = {};
    test::OnNextModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) inspect(dialog);
        modal->close();  // the close box: as Cancel
    });
    const std::string before = Utf8(temp.path() / "missing");
    directory = before;
    EXPECT_FALSE(SelectDirectory("请选择游戏服务器目录", "", directory, bifReturnOnlyFsDirs, edit));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(directory, before);
}

}  // namespace
}  // namespace tk
