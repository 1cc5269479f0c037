#include "file_system.h"

#include <gtest/gtest.h>

#include "support/platform.h"
#include "support/temp_dir.h"

namespace qz {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutableWithItsSeparator) {
    std::filesystem::path folder = ProgramFolder();
    std::string text = folder.string();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(std::string(1, text.back()), test::kSep);
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(std::filesystem::exists(
        folder / (test::kWindows ? "catalogue_tests.exe" : "catalogue_tests")));
}

TEST(FileExists, TrueForAnythingThatIsThereButAFolder) {
    TempDir dir;
    WriteFile(dir / "file", "x");
    WriteFile(dir / "empty", "");
    std::filesystem::create_directory(dir / "folder");
    std::vector<std::pair<std::filesystem::path, bool>> cases = {
        {dir / "file", true},     {dir / "empty", true},       {dir / "folder", false},
        {dir / "missing", false}, {dir / "file/below", false}, {"", false},
    };
    if (test::MakeFifo(dir / "fifo")) cases.emplace_back(dir / "fifo", true);
    if (!test::kWindows) {
        std::filesystem::create_symlink(dir / "file", dir / "link");
        std::filesystem::create_symlink(dir / "gone", dir / "dangling");
        cases.emplace_back(dir / "link", true);
        cases.emplace_back(dir / "dangling", false);
    }
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
    std::vector<std::pair<std::string, std::string>> cases = {
        // '|' stands for the platform's separator.
        {"/srv/qz", "/srv/qz|Config|Command.ini"},
        {"/srv/qz/", "/srv/qz/Config|Command.ini"},
        {"/", "/Config|Command.ini"},
        {"", "Config|Command.ini"},
    };
    if (test::kWindows) cases.emplace_back("C:\\", "C:\\Config\\Command.ini");
    for (auto [folder, expected] : cases) {
        for (size_t at; (at = expected.find('|')) != std::string::npos;)
            expected.replace(at, 1, test::kSep);
        EXPECT_EQ(JoinPath(folder, {"Config", "Command.ini"}), expected);
    }
}

}  // namespace
}  // namespace qz
