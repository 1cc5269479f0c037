#include "profile_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/platform.h"
#include "support/temp_dir.h"

namespace qz {
namespace {

using test::TempDir;
using test::WriteFile;
using namespace std::string_literals;

struct Values {
    std::string gameMaster, make;
    bool operator==(const Values&) const = default;
};

void PrintTo(const Values& v, std::ostream* os) {
    *os << "{GameMaster=\"" << v.gameMaster << "\", Make=\"" << v.make << "\"}";
}

Values ReadTwoKeys(const std::filesystem::path& path, size_t chunk = 64 * 1024) {
    static const ProfileReader reader("Command", {"GameMaster", "Make"});
    std::vector<std::string> values(2, "stale");
    reader.Read(path, values, chunk);
    return {values[0], values[1]};
}

struct Case {
    const char* name;
    std::string file;
    Values expected;
};

std::string Repeat(char c, size_t n) {
    return std::string(n, c);
}

const Case kCases[] = {
    // Names
    {"names fold ASCII case", "[command]\ngamemaster=a\nMAKE=m\n", {"a", "m"}},
    {"blanks around names and in brackets",
     "  [ \tCommand\v ]  \n \t GameMaster \v= a\n",
     {"a", ""}},
    {"a name with inner blanks is another name", "[Command]\nGame Master=a\n", {"", ""}},
    // Values
    {"value trimmed", "[Command]\nGameMaster=\t  a b \v \n", {"a b", ""}},
    {"inner blanks kept as they are", "[Command]\nGameMaster= a\t\vb c \t\n", {"a\t\vb c", ""}},
    {"double quotes removed", "[Command]\nGameMaster=\" a \"\n", {" a ", ""}},
    {"single quotes removed", "[Command]\nGameMaster='a'\n", {"a", ""}},
    {"only the outer pair", "[Command]\nGameMaster=\"a\"b\"\n", {"a\"b", ""}},
    {"mixed quotes stay", "[Command]\nGameMaster=\"a'\n", {"\"a'", ""}},
    {"a lone quote stays", "[Command]\nGameMaster=\"\n", {"\"", ""}},
    {"empty quotes give empty", "[Command]\nGameMaster=\"\"\nMake=m\n", {"", "m"}},
    {"no unescaping", "[Command]\nGameMaster=a\\tb\\\"\n", {"a\\tb\\\"", ""}},
    {"split at the first =", "[Command]\nGameMaster = a=b\n", {"a=b", ""}},
    {"empty name is no key", "[Command]\n=a\nGameMaster=b\n", {"b", ""}},
    {"GBK bytes kept as they are",
     "[Command]\nGameMaster=\xC3\xFC\xC1\xEE\xFF\x80\n",
     {"\xC3\xFC\xC1\xEE\xFF\x80", ""}},
    // Comments
    {"comment line", "[Command]\n;GameMaster=a\n  ; Make=x\nMake=m\n", {"", "m"}},
    {"; and # inside a value are text", "[Command]\nGameMaster=a;b#c\n", {"a;b#c", ""}},
    {"# opens no comment", "[Command]\n#GameMaster=a\n#Make=x\nMake=m\n", {"", "m"}},
    // Sections
    {"text after ] ignored", "[Command] ; note\nGameMaster=a\n", {"a", ""}},
    {"no ] takes the rest of the line", "[Command  \nGameMaster=a\n", {"a", ""}},
    {"entries before any section", "GameMaster=a\n[Command]\nMake=m\n", {"", "m"}},
    {"lines without = are no entries", "[Command]\nGameMaster\nGameMaster=b\n", {"b", ""}},
    {"keys of other sections",
     "[Other]\nGameMaster=a\n[Command]\nMake=m\n[X]\nGameMaster=z\n",
     {"", "m"}},
    {"a section that only begins with the name", "[Commander]\nGameMaster=a\n", {"", ""}},
    {"only the first section of the name",
     "[Command]\nGameMaster=a\n[command]\nGameMaster=b\nMake=m\n",
     {"a", ""}},
    {"first entry of a key wins", "[Command]\nGameMaster=a\nGAMEMASTER=b\n", {"a", ""}},
    {"even when it is empty", "[Command]\nGameMaster=\nGameMaster=b\n", {"", ""}},
    // Line ends and NUL
    {"CR LF", "[Command]\r\nGameMaster=a\r\nMake=m\r\n", {"a", "m"}},
    {"lone CR", "[Command]\rGameMaster=a\rMake=m", {"a", "m"}},
    {"last line without line end", "[Command]\nMake=m\nGameMaster=a", {"a", "m"}},
    {"NUL ends a value", "[Command]\nGameMaster=a\0b\nMake=m\n"s, {"a", "m"}},
    {"NUL ends a key", "[Command]\nGame\0Master=a\n"s, {"", ""}},
    {"NUL ends a section name", "[Comm\0and]\nGameMaster=a\n"s, {"", ""}},
    // Marks
    {"UTF-8 mark hides a header on line 1", "\xEF\xBB\xBF[Command]\nGameMaster=a\n", {"", ""}},
    {"UTF-8 mark before an empty line 1", "\xEF\xBB\xBF\n[Command]\nGameMaster=a\n", {"a", ""}},
    {"UTF-16BE mark is bytes", "\xFE\xFF\n[Command]\nGameMaster=a\n", {"a", ""}},
    // Length
    {"2047 bytes whole",
     "[Command]\nGameMaster=" + Repeat('a', 2047) + "\n",
     {Repeat('a', 2047), ""}},
    {"2048 bytes cut",
     "[Command]\nGameMaster=" + Repeat('a', 2048) + "\nMake=m\n",
     {Repeat('a', 2047), "m"}},
    {"cut before a split character",
     "[Command]\nGameMaster=" + Repeat('a', 2046) + "\xC3\xFC" + "\n",
     {Repeat('a', 2046), ""}},
    {"a character that fits stays",
     "[Command]\nGameMaster=" + Repeat('a', 2045) + "\xC3\xFC" + "bb\n",
     {Repeat('a', 2045) + "\xC3\xFC", ""}},
    {"a lead byte with no trail is one byte",
     "[Command]\nGameMaster=" + Repeat('a', 2046) + "\xC3" + "!!\n",
     {Repeat('a', 2046) + "\xC3", ""}},
    {"quotes do not count",
     "[Command]\nGameMaster=\"" + Repeat('a', 2047) + "\"\n",
     {Repeat('a', 2047), ""}},
    {"trailing blanks do not count",
     "[Command]\nGameMaster=" + Repeat('a', 2047) + "   \n",
     {Repeat('a', 2047), ""}},
    {"a long line costs no key after it",
     "[Command]\nX=" + Repeat('x', 100000) + "\nGameMaster=" + Repeat(' ', 5000) + "a\n",
     {"a", ""}},
};

TEST(ProfileReader, ReadsLikeTheWindowsProfileReader) {
    TempDir dir;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        WriteFile(dir / "Command.ini", c.file);
        // Whole lines in one buffer, and lines split across reads at every place.
        for (size_t chunk : {64 * 1024, 4, 5, 7}) {
            EXPECT_EQ(ReadTwoKeys(dir / "Command.ini", chunk), c.expected)
                << chunk << "-byte reads";
        }
    }
}

TEST(ProfileReader, LinesSplitAcrossReadsReadAsWholeOnes) {
    // Random files from the bytes that matter to the rules: whatever a file holds, reading it
    // through small buffers must give what reading it whole gives.
    static const char* const kTokens[] = {
        "[Command]", "[ command ", "[Other]", "GameMaster", "make", "A",  "=",
        " ",         "\t",         "\v",      "\r\n",       "\n",   "\r", ";",
        "\"",        "'",          "x",       "\xC3\x5D",   "\xC3", "]",  "\xB9\xDC"};
    const ProfileReader reader("Command", {"GameMaster", "Make", "A"});
    std::mt19937 random(2024);
    TempDir dir;
    for (int file = 0; file < 2000; ++file) {
        std::string text = random() % 4 ? "[Command]\nA=" : "";
        for (int n = random() % 40; n > 0; --n) {
            if (random() % 30 == 0) {
                text += '\0';
            } else {
                text += kTokens[random() % std::size(kTokens)];
            }
        }
        WriteFile(dir / "r.ini", text);
        std::vector<std::string> whole(3), split(3);
        reader.Read(dir / "r.ini", whole);
        for (size_t chunk : {4, 5, 7, 13}) {
            reader.Read(dir / "r.ini", split, chunk);
            ASSERT_EQ(split, whole) << chunk << "-byte reads of " << ::testing::PrintToString(text);
        }
    }
}

TEST(ProfileReader, SecondBytesOfGbkCharactersAreNeitherBracketsNorLetters) {
    // C3 5D and 81 41 are GBK characters whose second bytes look like ']' and 'A'.
    TempDir dir;
    ProfileReader reader("\xC3\x5D", {"\x81\x41"});
    std::vector<std::string> values(1);
    WriteFile(dir / "a.ini", "[\xC3\x5D]\n\x81\x61=folded\n\x81\x41=exact\n");
    reader.Read(dir / "a.ini", values);
    EXPECT_EQ(values[0], "exact");
}

TEST(ProfileReader, RepeatedKeysShareOneValue) {
    TempDir dir;
    ProfileReader reader("S", {"a", "b", "A"});
    std::vector<std::string> values(3);
    WriteFile(dir / "a.ini", "[s]\nA=1\nb=2\n");
    reader.Read(dir / "a.ini", values);
    EXPECT_EQ(values, (std::vector<std::string>{"1", "2", "1"}));
}

std::string Utf16Le(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (char16_t u : text) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

TEST(ProfileReader, Utf16FilesAreConvertedToGbk) {
    TempDir dir;
    // ก (Thai) and 😀 have no GBK form.
    WriteFile(dir / "u.ini", Utf16Le(u"[Command]\r\nGameMaster=管理 \"x\"\r\nMake=กx😀\r\n"));
    for (size_t chunk : {64 * 1024, 4, 5})
        EXPECT_EQ(ReadTwoKeys(dir / "u.ini", chunk), (Values{"\xB9\xDC\xC0\xED \"x\"", "?x?"}));

    // The same pair split across two reads of the file.
    std::u16string padding(32748, u'p');
    WriteFile(dir / "u.ini", Utf16Le(u";" + padding + u"\n[Command]\nMake=x😀y\n"));
    EXPECT_EQ(ReadTwoKeys(dir / "u.ini"), (Values{"", "x?y"}));
}

TEST(ProfileReader, AnythingButAReadableFileGivesEmptyValues) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.ini");
    std::vector<std::filesystem::path> paths = {
        "",
        dir / "missing.ini",
        dir / "no/such/folder.ini",
        dir / "folder.ini",
    };
    if (test::MakeFifo(dir / "fifo.ini")) paths.push_back(dir / "fifo.ini");  // must not block
    if (!test::kWindows) paths.insert(paths.end(), {"/dev/zero", "/dev/null"});
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ReadTwoKeys(path), (Values{"", ""}));
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.ini"));  // never created
}

TEST(ProfileReader, RelativePathsResolveAgainstTheCurrentFolder) {
    TempDir dir;
    WriteFile(dir / "rel.ini", "[Command]\nMake=m\n");
    auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Values got = ReadTwoKeys("rel.ini");
    std::filesystem::current_path(before);
    EXPECT_EQ(got, (Values{"", "m"}));
}

TEST(ProfileReader, HugeFilesAreStreamedInBoundedMemory) {
    TempDir dir;
    const auto path = dir / "huge.ini";
    constexpr std::uintmax_t kHole = 256 << 20;  // a stretch of NUL bytes inside one value
    WriteFile(path, "[Command]\nMake=" + Repeat('m', 3000));
    std::filesystem::resize_file(path, kHole);
    {
        std::ofstream tail(path, std::ios::binary | std::ios::app);
        tail << "\nGameMaster=after\n";
    }
    long before = test::PeakMemoryKiB();
    Values got = ReadTwoKeys(path);
    EXPECT_EQ(got, (Values{"after", Repeat('m', 2047)}));
    EXPECT_LT(test::PeakMemoryKiB() - before, 64 * 1024) << "KiB more than before the read";
}

}  // namespace
}  // namespace qz
