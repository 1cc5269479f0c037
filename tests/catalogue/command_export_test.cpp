#include "command_export.h"

#include <gtest/gtest.h>

#include <string>

#include "support/hex.h"
#include "support/platform.h"
#include "support/temp_dir.h"
#include "windows_error.h"

namespace qz {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

using test::Hex;

// The lines of one block, split at CR LF.
std::vector<std::string> Lines(std::string_view block) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < block.size();) {
        size_t end = block.find("\r\n", at);
        if (end == std::string_view::npos) end = block.size();
        lines.emplace_back(block.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

CommandValues SomeValues() {
    CommandValues values;
    for (int i = 0; i < kSlotCount; ++i) values[i] = "w" + std::to_string(i + 1);
    values[4] = values[9] = "\xB5\xF7\xBC\xB6";  // slots 5 and 10 share a key
    values[6] = "";
    values[7] = "  ";
    values[8] = "\xFF\x80\x81";  // no GBK, kept as it is
    values[10] = std::string(2047, 'v');
    return values;
}

TEST(ExportCommandList, CreatesTheFileWithOneBlock) {
    TempDir dir;
    const CommandValues values = SomeValues();
    ExportCommandList(values, dir.path());
    std::string file = ReadFile(dir / ExportFileName());
    ASSERT_TRUE(file.ends_with("\r\n"));
    std::vector<std::string> lines = Lines(file);
    ASSERT_EQ(lines.size(), 45u);
    for (const CommandSlot& slot : Commands())
        EXPECT_EQ(lines[slot.number - 1],
                  "@" + values[slot.number - 1] + "\\t\\t" + slot.description)
            << slot.number;
    // The line of slot 7, empty, byte for byte.
    EXPECT_EQ(lines[6] + "\r\n",
              Hex("40 5C 74 5C 74 B2 E9 BF B4 D6 B8 B6 A8 C8 CB CE EF B5 C4 50 4B D6 B5 0D 0A"));
    EXPECT_EQ(std::filesystem::path(u8"命令.txt"), ExportFileName());
}

TEST(ExportCommandList, AppendsBlocksWithFourSpaces) {
    TempDir dir;
    ExportCommandList(CommandValues{}, dir.path());
    std::string first = ReadFile(dir / ExportFileName());
    EXPECT_EQ(first.size(), 1926u);  // all values empty

    ExportCommandList(CommandValues{}, dir.path());
    ExportCommandList(SomeValues(), dir.path());
    std::string file = ReadFile(dir / ExportFileName());
    ASSERT_EQ(file.substr(0, first.size()), first);
    EXPECT_EQ(file.substr(first.size(), 1926), FormatCommandList(CommandValues{}, false));
    EXPECT_EQ(file.substr(2 * 1926), FormatCommandList(SomeValues(), false));
    EXPECT_EQ(Lines(file)[51], "@" + std::string("    ") + Commands().Slot(7).description);
}

TEST(ExportCommandList, AnExistingFileIsOnlyEverAppendedTo) {
    const struct {
        const char* name;
        std::string before;
    } cases[] = {
        {"empty file", ""},
        {"last line without line end", "@old    text"},
        {"foreign text", "notes\r\n\xC3\xFC\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteFile(dir / ExportFileName(), c.before);
        ExportCommandList(SomeValues(), dir.path());
        EXPECT_EQ(ReadFile(dir / ExportFileName()),
                  c.before + FormatCommandList(SomeValues(), false));
    }
}

// The system's files, with one step made to fail after it has done part of its work.
class FailingExportFile : public ExportFile {
public:
    enum class Step { kNone, kCreate, kOpenAppend, kWrite, kClose };
    FailingExportFile(Step step, int code) : step_(step), code_(code) {}

    bool Exists(const std::filesystem::path& p) override {
        return hideFile_ ? false : real_->Exists(p);
    }
    int Create(const std::filesystem::path& p) override {
        return step_ == Step::kCreate ? code_ : real_->Create(p);
    }
    int OpenAppend(const std::filesystem::path& p, std::uint64_t& length) override {
        return step_ == Step::kOpenAppend ? code_ : real_->OpenAppend(p, length);
    }
    int Write(std::string_view bytes) override {
        if (step_ != Step::kWrite) return real_->Write(bytes);
        real_->Write(bytes.substr(0, bytes.size() / 2 + 1));  // ends inside a line
        return code_;
    }
    int Close() override {
        int rc = real_->Close();
        return step_ == Step::kClose ? code_ : rc;
    }
    void Truncate(const std::filesystem::path& p, std::uint64_t length) override {
        real_->Truncate(p, length);
    }
    void Remove(const std::filesystem::path& p) override { real_->Remove(p); }

    bool hideFile_ = false;  // the file-exists test misses a file that is there

private:
    std::unique_ptr<ExportFile> real_ = SystemExportFile();
    Step step_;
    int code_;
};

TEST(ExportCommandList, AFailedStepRaisesItsCodeAndLeavesTheFileAsItWas) {
    using Step = FailingExportFile::Step;
    const struct {
        Step step;
        int code;
        const char* message;
    } cases[] = {
        {Step::kCreate, 5, "File access denied"}, {Step::kOpenAppend, 2, "File not found"},
        {Step::kOpenAppend, 32, "I/O error 32"},  {Step::kWrite, 112, "I/O error 112"},
        {Step::kClose, 112, "I/O error 112"},     {Step::kWrite, 4, "Too many open files"},
    };
    for (bool exists : {false, true}) {
        for (const auto& c : cases) {
            if ((c.step == Step::kCreate && exists) || (c.step == Step::kOpenAppend && !exists))
                continue;
            SCOPED_TRACE(::testing::Message() << "step " << static_cast<int>(c.step)
                                              << (exists ? ", appending" : ", creating"));
            TempDir dir;
            const std::string before = "@earlier\\t\\tblock\r\n";
            if (exists) WriteFile(dir / ExportFileName(), before);
            FailingExportFile files(c.step, c.code);
            try {
                ExportCommandList(SomeValues(), dir.path(), files);
                ADD_FAILURE() << "no error raised";
            } catch (const EInOutError& e) {
                EXPECT_EQ(e.ErrorCode(), c.code);
                EXPECT_STREQ(e.what(), c.message);
            }
            if (exists) {
                EXPECT_EQ(ReadFile(dir / ExportFileName()), before);
            } else {
                EXPECT_FALSE(std::filesystem::exists(dir / ExportFileName()));
            }
            // The cause gone, the next export works as usual.
            ExportCommandList(SomeValues(), dir.path());
            EXPECT_EQ(ReadFile(dir / ExportFileName()),
                      before.substr(0, exists ? before.size() : 0) +
                          FormatCommandList(SomeValues(), !exists));
        }
    }
}

TEST(ExportCommandList, AFileThatAppearsAfterTheTestIsAppendedToNotEmptied) {
    TempDir dir;
    WriteFile(dir / ExportFileName(), "keep me\r\n");
    FailingExportFile files(FailingExportFile::Step::kNone, 0);
    files.hideFile_ = true;
    ExportCommandList(SomeValues(), dir.path(), files);
    EXPECT_EQ(ReadFile(dir / ExportFileName()),
              "keep me\r\n" + FormatCommandList(SomeValues(), false));
}

TEST(ExportCommandList, WhatStandsInTheWayIsReportedNeverWaitedFor) {
    using Folder = const std::filesystem::path&;
    const struct {
        const char* name;
        bool (*make)(Folder folder);  // false where the system cannot make it
        int code;
    } cases[] = {
        {"a folder of the name",
         [](Folder f) { return std::filesystem::create_directory(f / ExportFileName()); }, 5},
        {"a FIFO nobody reads", [](Folder f) { return test::MakeFifo(f / ExportFileName()); }, 5},
        {"no such folder", [](Folder f) { return std::filesystem::remove(f); }, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto folder = dir / "program";
        std::filesystem::create_directory(folder);
        if (!c.make(folder)) continue;
        try {
            ExportCommandList(SomeValues(), folder);
            ADD_FAILURE() << "no error raised";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), c.code);
            EXPECT_EQ(e.what(), EInOutError::MessageFor(c.code));
        }
    }
}

TEST(EInOutError, MessagesFollowTheCode) {
    const std::pair<int, const char*> cases[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {32, "I/O error 32"},
        {112, "I/O error 112"},
        {1117, "I/O error 1117"},
    };
    for (auto [code, message] : cases) {
        EXPECT_EQ(EInOutError::MessageFor(code), message);
        EXPECT_EQ(EInOutError(code).ErrorCode(), code);
    }
}

#ifndef _WIN32
TEST(WindowsError, ErrnoMapsToACodeThatSaysTheSame) {
    const std::pair<int, int> cases[] = {
        {ENOENT, 2},   {ENOTDIR, 3}, {EMFILE, 4}, {ENFILE, 4},   {EACCES, 5},
        {EPERM, 5},    {EISDIR, 5},  {EROFS, 5},  {ENOSPC, 112}, {EDQUOT, 112},
        {ETXTBSY, 32}, {EBUSY, 32},  {EIO, 1117}, {EEXIST, 80},  {ENAMETOOLONG, 206},
    };
    for (auto [e, code] : cases) EXPECT_EQ(win_error::FromErrno(e), code) << "errno " << e;
}
#endif

}  // namespace
}  // namespace qz
