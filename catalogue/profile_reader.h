// Reads values from one section of a private-profile (INI) file, exactly as the Windows
// profile reader reads the files that our users' servers were written for.
//
// The file is read in one pass through a fixed buffer, so memory stays bounded whatever
// its size, and reading stops as soon as the section has ended or every key was found.
// Nothing is cached: every Read reads the file anew.
//
// Rules (bytes are GBK unless the file says otherwise, rule 7):
//  1. Section and key names match ASCII-case-insensitively; only ASCII letters are folded.
//     Blanks (space, tab, VT) around names and inside the brackets are trimmed.
//  2. A value is trimmed of blanks at both ends; then one pair of matching outer quotes
//     ("..." or '...') is removed when the value is at least two bytes long and begins and
//     ends with the same quote. Nothing else is unquoted or unescaped. A line is split at
//     its first '='.
//  3. A line whose first non-blank byte is ';' is a comment. ';' and '#' anywhere else are
//     ordinary text.
//  4. A line whose first non-blank byte is '[' opens a section; the name ends at the first
//     ']' (never the second byte of a two-byte character) and the rest of the line is
//     ignored; with no ']' the name is the rest of the line. Lines before the first
//     section, and lines without '=', are no entries.
//  5. Only the first section of the name counts; later ones of the same name are not
//     merged into it. Within it the first entry of a key wins.
//  6. CR LF, LF and a lone CR each end a line. A NUL byte ends the name or value in which
//     it stands.
//  7. A file that begins with the UTF-16LE mark FF FE is UTF-16LE: its text is converted
//     to GBK, and characters that GBK cannot hold become '?'. Any other file is GBK bytes,
//     taken as they are; a UTF-8 or UTF-16BE mark is not recognised and is read as bytes,
//     so a section header behind a UTF-8 mark on line 1 is no header.
//  8. A value is cut to kMaxValue (2047) bytes, never inside a two-byte character: a
//     character that would be split is left out whole.
//  9. An empty path, a folder, a missing or unreadable file, a missing section or key: the
//     empty value. Read reports nothing and throws nothing of its own.
// 10. Only regular files are read (see ReadOnlyFile): a FIFO, device or socket gives empty
//     values at once and never blocks.
// 11. The file is opened for reading only, never locked, created or changed.
// 12. A relative path resolves against the current directory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

class ProfileReader {
public:
    static constexpr size_t kMaxValue = 2047;

    // `keys` may repeat a key; each place gets the same value. The views must outlive the
    // reader. Keys are non-empty.
    ProfileReader(std::string_view section, std::vector<std::string_view> keys);

    size_t KeyCount() const { return slotKey_.size(); }

    // values[i] receives the value of keys[i]; `values` holds KeyCount() strings.
    void Read(const std::filesystem::path& path, std::span<std::string> values) const;

    // The same through a buffer of `chunk` bytes (4 at least): small buffers make lines span
    // reads, which tests use to check that such lines are read by the same rules.
    void Read(const std::filesystem::path& path, std::span<std::string> values, size_t chunk) const;

private:
    friend class ProfileParser;

    // Index of the distinct key that `name` matches, or -1.
    int Find(std::string_view name) const;
    bool IsSection(std::string_view name) const;

    std::string section_;
    std::vector<std::string> distinct_;  // folded to lower case
    static constexpr size_t kBuckets = 64;
    static size_t Bucket(std::string_view name);
    std::vector<std::vector<int>> buckets_ = std::vector<std::vector<int>>(kBuckets);
    std::vector<int> slotKey_;       // keys[i] -> distinct index
    std::vector<size_t> firstSlot_;  // distinct index -> first i of that key
};

}  // namespace qz
