#include "profile_reader.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "gbk.h"
#include "read_only_file.h"

namespace qz {
namespace {

constexpr size_t kMaxName = 255;
constexpr size_t kChunk = 64 * 1024;

constexpr bool IsBlank(unsigned char b) {
    return b == ' ' || b == '\t' || b == '\v';
}
constexpr bool IsLineEnd(unsigned char b) {
    return b == '\n' || b == '\r';
}
constexpr unsigned char Fold(unsigned char b) {
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + 32) : b;
}

// The form in which names are compared: ASCII letters in lower case, the two bytes of every
// GBK character as they are (a second byte can look like an ASCII letter).
template <typename Out>
void Canonical(std::string_view s, Out out) {
    for (size_t i = 0; i < s.size(); ++i) {
        auto b = static_cast<unsigned char>(s[i]);
        if (gbk::IsLeadByte(b) && i + 1 < s.size() &&
            gbk::IsTrailByte(static_cast<unsigned char>(s[i + 1]))) {
            out(b);
            out(static_cast<unsigned char>(s[++i]));
        } else {
            out(Fold(b));
        }
    }
}

std::string FoldAll(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    Canonical(s, [&](unsigned char b) { out += static_cast<char>(b); });
    return out;
}

// `folded` is already canonical.
bool EqualFolded(std::string_view folded, std::string_view name) {
    if (folded.size() != name.size()) return false;
    size_t i = 0;
    for (; i < name.size(); ++i) {
        auto b = static_cast<unsigned char>(name[i]);
        if (b >= 0x80) break;
        if (Fold(b) != static_cast<unsigned char>(folded[i])) return false;
    }
    if (i == name.size()) return true;
    // From the first byte that may open a pair on, the pairs decide what folds.
    bool equal = true;
    Canonical(name.substr(i), [&](unsigned char b) {
        equal = equal && static_cast<unsigned char>(folded[i++]) == b;
    });
    return equal;
}

// Collects one name or value: leading blanks dropped, bytes past Cap only counted, and the
// length up to the last non-blank byte kept, which trims the end. So a line of any length
// costs a fixed amount of memory, while the trimmed length and the last byte stay known.
template <size_t Cap>
class Field {
public:
    void Reset() {
        stored_ = length_ = trimmed_ = 0;
        ended_ = false;
    }

    void Add(unsigned char b) {
        if (ended_) return;
        if (b == 0) {
            ended_ = true;
            return;
        }
        bool blank = IsBlank(b);
        if (blank && length_ == 0) return;
        if (stored_ < Cap) bytes_[stored_++] = static_cast<char>(b);
        ++length_;
        if (!blank) {
            trimmed_ = length_;
            last_ = b;
        }
    }

    // The trimmed length, kept or not.
    size_t Length() const { return trimmed_; }
    // The kept bytes of the trimmed text: all of them unless Length() > Cap.
    std::string_view Kept() const { return {bytes_, std::min(stored_, trimmed_)}; }
    unsigned char Last() const { return last_; }

private:
    char bytes_[Cap];
    size_t stored_ = 0;
    size_t length_ = 0;
    size_t trimmed_ = 0;
    unsigned char last_ = 0;
    bool ended_ = false;  // a NUL ended the field
};

// The value after rules 2 and 8, from its trimmed text: outer quotes off, cut at kMaxValue
// on a character boundary. `kept` may hold only the start of a value `length` bytes long
// (at least kMaxValue + 2 of them), whose last byte is `last`.
std::string_view Finished(std::string_view kept, size_t length, unsigned char last) {
    if (length == 0) return {};
    auto first = static_cast<unsigned char>(kept[0]);
    if (length >= 2 && (first == '"' || first == '\'') && last == first) {
        kept.remove_prefix(1);
        length -= 2;
    }
    if (length <= ProfileReader::kMaxValue) return kept.substr(0, length);
    size_t i = 0;
    while (i < ProfileReader::kMaxValue) {
        bool pair = gbk::IsLeadByte(static_cast<unsigned char>(kept[i])) &&
                    gbk::IsTrailByte(static_cast<unsigned char>(kept[i + 1]));
        if (!pair) {
            ++i;
        } else if (i + 2 <= ProfileReader::kMaxValue) {
            i += 2;
        } else {
            break;  // the pair would be split: leave it out
        }
    }
    return kept.substr(0, i);
}

// A name or value that lies whole in the buffer: up to a NUL, blanks off both ends.
std::string_view Trimmed(const unsigned char* begin, const unsigned char* end) {
    if (const void* nul = std::memchr(begin, 0, static_cast<size_t>(end - begin)))
        end = static_cast<const unsigned char*>(nul);
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && IsBlank(end[-1])) --end;
    return {reinterpret_cast<const char*>(begin), static_cast<size_t>(end - begin)};
}

}  // namespace

// One pass over the bytes of a file, fed in chunks in order. A line that lies whole in a
// chunk is taken in one piece; a line cut by the end of a chunk goes byte by byte through
// the states below, which keep what they need in fixed buffers.
class ProfileParser {
public:
    ProfileParser(const ProfileReader& reader, std::span<std::string> values)
        : reader_(reader), values_(values), found_(reader.distinct_.size(), 0) {
        for (auto& v : values_) v.clear();
    }

    // False once nothing more in the file can change the result.
    bool Feed(const char* data, size_t size);
    void Finish();

private:
    enum class State { kLineStart, kSkipLine, kSection, kName, kValue, kDone };

    void Line(const unsigned char* begin, const unsigned char* end);
    void Byte(unsigned char b);
    void Section(std::string_view name);
    bool Key(std::string_view name);  // true when the value is wanted
    void Value(std::string_view value);

    const ProfileReader& reader_;
    std::span<std::string> values_;
    std::vector<unsigned char> found_;
    size_t foundCount_ = 0;

    State state_ = State::kLineStart;
    bool inSection_ = false;    // inside the first section of the wanted name
    bool seenSection_ = false;  // that section has begun
    bool prevLead_ = false;     // the previous byte of a section name opened a GBK pair
    int key_ = -1;              // distinct key whose value is being read

    Field<kMaxName + 1> name_;
    // An opening quote, kMaxValue bytes, and one more to tell whether the last of them
    // opens a pair.
    Field<ProfileReader::kMaxValue + 2> value_;
};

bool ProfileParser::Feed(const char* data, size_t size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const auto* end = p + size;
    // The next CR and the next LF, each looked for once per stretch of the buffer.
    const unsigned char* cr = nullptr;
    const unsigned char* lf = nullptr;
    auto find = [end](const unsigned char* from, unsigned char c) {
        const void* at = std::memchr(from, c, static_cast<size_t>(end - from));
        return at ? static_cast<const unsigned char*>(at) : end;
    };
    while (p < end && state_ != State::kDone) {
        if (state_ == State::kLineStart || state_ == State::kSkipLine) {
            if (cr < p) cr = find(p, '\r');
            if (lf < p) lf = find(p, '\n');
            const auto* eol = std::min(cr, lf);
            if (eol == end) {
                if (state_ == State::kSkipLine) break;
            } else {
                if (state_ == State::kSkipLine) {
                    state_ = State::kLineStart;
                } else {
                    Line(p, eol);
                }
                p = eol + 1;
                continue;
            }
        }
        Byte(*p++);
    }
    return state_ != State::kDone;
}

void ProfileParser::Line(const unsigned char* p, const unsigned char* end) {
    while (p < end && IsBlank(*p)) ++p;
    if (p == end || *p == ';') return;
    if (*p == '[') {
        const auto* close = ++p;
        for (bool lead = false; close < end; ++close) {
            bool trail = lead && gbk::IsTrailByte(*close);
            if (*close == ']' && !trail) break;
            lead = !trail && gbk::IsLeadByte(*close);
        }
        Section(Trimmed(p, close));
        return;
    }
    if (!inSection_) return;
    const auto* eq = static_cast<const unsigned char*>(std::memchr(p, '=', end - p));
    if (eq == nullptr || !Key(Trimmed(p, eq))) return;
    std::string_view value = Trimmed(eq + 1, end);
    Value(Finished(value, value.size(), value.empty() ? 0 : value.back()));
}

void ProfileParser::Byte(unsigned char b) {
    switch (state_) {
        case State::kLineStart:
            if (IsBlank(b) || IsLineEnd(b)) break;
            name_.Reset();
            if (b == ';') {
                state_ = State::kSkipLine;
            } else if (b == '[') {
                prevLead_ = false;
                state_ = State::kSection;
            } else if (!inSection_) {
                state_ = State::kSkipLine;  // an entry of no interest
            } else if (b == '=') {
                state_ = Key({}) ? State::kValue : State::kSkipLine;
            } else {
                name_.Add(b);
                state_ = State::kName;
            }
            break;
        case State::kSkipLine:
            if (IsLineEnd(b)) state_ = State::kLineStart;
            break;
        case State::kSection: {
            bool trail = prevLead_ && gbk::IsTrailByte(b);
            prevLead_ = !trail && gbk::IsLeadByte(b);
            if (IsLineEnd(b) || (b == ']' && !trail)) {
                state_ = IsLineEnd(b) ? State::kLineStart : State::kSkipLine;
                Section(name_.Length() == name_.Kept().size() ? name_.Kept() : std::string_view());
            } else {
                name_.Add(b);
            }
            break;
        }
        case State::kName:
            if (IsLineEnd(b)) {
                state_ = State::kLineStart;  // no '=': no entry
            } else if (b == '=') {
                bool whole = name_.Length() == name_.Kept().size();
                if (whole && Key(name_.Kept())) {
                    value_.Reset();
                    state_ = State::kValue;
                } else {
                    state_ = State::kSkipLine;
                }
            } else {
                name_.Add(b);
            }
            break;
        case State::kValue:
            if (IsLineEnd(b)) {
                state_ = State::kLineStart;
                Value(Finished(value_.Kept(), value_.Length(), value_.Last()));
            } else {
                value_.Add(b);
            }
            break;
        case State::kDone:
            break;
    }
}

void ProfileParser::Section(std::string_view name) {
    if (seenSection_) {
        state_ = State::kDone;  // the first section of the name is over
        return;
    }
    inSection_ = reader_.IsSection(name);
    seenSection_ = inSection_;
}

bool ProfileParser::Key(std::string_view name) {
    int k = reader_.Find(name);
    if (k < 0 || found_[static_cast<size_t>(k)]) return false;
    key_ = k;
    return true;
}

void ProfileParser::Value(std::string_view value) {
    auto k = static_cast<size_t>(key_);
    values_[reader_.firstSlot_[k]] = value;
    found_[k] = 1;
    if (++foundCount_ == found_.size()) state_ = State::kDone;
}

void ProfileParser::Finish() {
    // The last line may lack its line end.
    if (state_ == State::kValue) Value(Finished(value_.Kept(), value_.Length(), value_.Last()));
    for (size_t i = 0; i < values_.size(); ++i) {
        size_t first = reader_.firstSlot_[static_cast<size_t>(reader_.slotKey_[i])];
        if (first != i) values_[i] = values_[first];
    }
}

ProfileReader::ProfileReader(std::string_view section, std::vector<std::string_view> keys)
    : section_(FoldAll(section)) {
    if (section.size() > kMaxName) throw std::invalid_argument("section name too long");
    for (size_t i = 0; i < keys.size(); ++i) {
        std::string_view key = keys[i];
        if (key.empty() || key.size() > kMaxName)
            throw std::invalid_argument("profile key must have 1 to 255 bytes");
        int k = Find(key);
        if (k < 0) {
            k = static_cast<int>(distinct_.size());
            distinct_.push_back(FoldAll(key));
            firstSlot_.push_back(i);
            buckets_[Bucket(key)].push_back(k);
        }
        slotKey_.push_back(k);
    }
}

size_t ProfileReader::Bucket(std::string_view name) {
    // The first byte of a name never closes a pair, so folding it is always right.
    auto first = name.empty() ? 0 : Fold(static_cast<unsigned char>(name[0]));
    return (name.size() * 37 + first) % kBuckets;
}

int ProfileReader::Find(std::string_view name) const {
    for (int k : buckets_[Bucket(name)])
        if (EqualFolded(distinct_[static_cast<size_t>(k)], name)) return k;
    return -1;
}

bool ProfileReader::IsSection(std::string_view name) const {
    return EqualFolded(section_, name);
}

void ProfileReader::Read(const std::filesystem::path& path, std::span<std::string> values) const {
    Read(path, values, kChunk);
}

void ProfileReader::Read(const std::filesystem::path& path, std::span<std::string> values,
                         size_t chunk) const {
    if (values.size() != KeyCount()) throw std::invalid_argument("one value per key");
    chunk = std::clamp<size_t>(chunk, 4, kChunk);
    ProfileParser parser(*this, values);
    ReadOnlyFile file(path);
    if (!file.IsOpen()) {
        parser.Finish();
        return;
    }
    thread_local std::vector<char> buffer(kChunk);
    char* buf = buffer.data();

    // The mark decides how the whole file is read; make sure both of its bytes are here.
    size_t have = 0;
    for (size_t n; have < 2 && (n = file.Read(buf + have, chunk - have)) > 0;) have += n;
    bool utf16 = have >= 2 && buf[0] == '\xFF' && buf[1] == '\xFE';

    if (!utf16) {
        for (bool more = parser.Feed(buf, have); more;) {
            size_t n = file.Read(buf, chunk);
            if (n == 0) break;
            more = parser.Feed(buf, n);
        }
        parser.Finish();
        return;
    }

    std::u16string units;
    std::string converted;
    size_t start = 2;  // past the mark
    bool more = true;
    while (more && have > start) {
        // Whole units only; an odd byte and a high surrogate wait for the next chunk.
        size_t whole = (have - start) / 2;
        units.resize(whole);
        for (size_t i = 0; i < whole; ++i) {
            auto lo = static_cast<unsigned char>(buf[start + 2 * i]);
            auto hi = static_cast<unsigned char>(buf[start + 2 * i + 1]);
            units[i] = static_cast<char16_t>(lo | hi << 8);
        }
        size_t keep = (have - start) % 2;
        if (!units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
            units.pop_back();
            keep += 2;
        }
        converted.clear();
        gbk::AppendFromUtf16(units, converted);
        more = parser.Feed(converted.data(), converted.size());
        std::copy(buf + have - keep, buf + have, buf);
        size_t n = file.Read(buf + keep, chunk - keep);
        if (n == 0) {
            // A unit cut off at the end of the file still counts as one unmappable character.
            if (more && keep > 0) parser.Feed("?", 1);
            break;
        }
        have = keep + n;
        start = 0;
    }
    parser.Finish();
}

}  // namespace qz
