#include "file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace qz {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutableWithItsSeparator) {
    std::filesystem::path folder = ProgramFolder();
    std::string text = folder.string();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '/');
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(std::filesystem::exists(folder / "catalogue_tests"));
}

TEST(FileExists, TrueForAnythingThatIsThereButAFolder) {
    TempDir dir;
    WriteFile(dir / "file", "x");
    WriteFile(dir / "empty", "");
    std::filesystem::create_directory(dir / "folder");
    ::mkfifo((dir / "fifo").c_str(), 0600);
    std::filesystem::create_symlink(dir / "file", dir / "link");
    std::filesystem::create_symlink(dir / "gone", dir / "dangling");
    const std::pair<std::filesystem::path, bool> cases[] = {
        {dir / "file", true},      {dir / "empty", true},       {dir / "fifo", true},
        {dir / "link", true},      {dir / "folder", false},     {dir / "missing", false},
        {dir / "dangling", false}, {dir / "file/below", false}, {"", false},
    };
    for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;
}

TEST(PathFromUtf8, RoundTripsUnicodeNames) {
    const std::string name = "服务端/Vek200/命令 ü😀.txt";
    EXPECT_EQ(PathToUtf8(PathFromUtf8(name)), name);
    TempDir dir;
    WriteFile(dir / PathFromUtf8("命令.txt"), "x");
    EXPECT_TRUE(std::filesystem::exists(dir / std::filesystem::path(u8"命令.txt")));
}

TEST(JoinPath, AddsASeparatorOnlyWhereNoneIs) {
    const struct {
        std::string folder, expected;
    } cases[] = {
        {"/srv/qz", "/srv/qz/Config/Command.ini"},
        {"/srv/qz/", "/srv/qz/Config/Command.ini"},
        {"/", "/Config/Command.ini"},
        {"", "Config/Command.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(c.folder, {"Config", "Command.ini"}), c.expected);
}

}  // namespace
}  // namespace qz
