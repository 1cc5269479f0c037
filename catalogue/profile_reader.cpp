#include "profile_reader.h"

#include <algorithm>
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
    bool equal = true;
    Canonical(name, [&](unsigned char b) {
        equal = equal && static_cast<unsigned char>(folded[i++]) == b;
    });
    return equal;
}

// Collects one name or value: leading blanks dropped, trailing blanks held back until a
// non-blank byte follows, bytes past Cap only counted. So a line of any length costs a
// fixed amount of memory, while the trimmed length and the last byte stay known.
template <size_t Cap>
class Field {
  public:
    void Reset() {
        stored_ = length_ = pending_ = 0;
        ended_ = false;
    }

    void Add(unsigned char b) {
        if (ended_) return;
        if (b == 0) {
            ended_ = true;
        } else if (IsBlank(b)) {
            if (length_ > 0) ++pending_;
        } else {
            for (; pending_ > 0; --pending_) Keep(' ');
            Keep(b);
            last_ = b;
        }
    }

    size_t Length() const { return length_; }
    // The kept bytes: all of them unless Length() > Cap.
    std::string_view Kept() const { return {bytes_, stored_}; }
    unsigned char First() const { return static_cast<unsigned char>(bytes_[0]); }
    unsigned char Last() const { return last_; }

  private:
    void Keep(unsigned char b) {
        if (stored_ < Cap) bytes_[stored_++] = static_cast<char>(b);
        ++length_;
    }

    char bytes_[Cap];
    size_t stored_ = 0;
    size_t length_ = 0;
    size_t pending_ = 0;  // blanks since the last non-blank byte; kept if text follows
    unsigned char last_ = 0;
    bool ended_ = false;  // a NUL ended the field
};

// The value after rules 2 and 8: outer quotes off, cut at kMaxValue on a character boundary.
template <typename F>
std::string_view Finished(const F& value) {
    std::string_view kept = value.Kept();
    size_t length = value.Length();
    if (length >= 2 && (value.First() == '"' || value.First() == '\'') &&
        value.Last() == value.First()) {
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

}  // namespace

// One pass over the bytes of a file, fed in chunks in order.
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

    void EndSection();
    void EndName();
    void EndValue();

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
    while (p < end && state_ != State::kDone) {
        unsigned char b = *p++;
        switch (state_) {
            case State::kLineStart:
                if (IsBlank(b) || IsLineEnd(b)) break;
                if (b == ';') {
                    state_ = State::kSkipLine;
                } else if (b == '[') {
                    name_.Reset();
                    prevLead_ = false;
                    state_ = State::kSection;
                } else {
                    name_.Reset();
                    state_ = State::kName;
                    --p;  // the byte belongs to the name, or is the '=' after an empty one
                }
                break;
            case State::kSkipLine:
                if (IsLineEnd(b)) {
                    state_ = State::kLineStart;
                } else {
                    while (p < end && !IsLineEnd(*p)) ++p;
                }
                break;
            case State::kSection: {
                bool trail = prevLead_ && gbk::IsTrailByte(b);
                prevLead_ = !trail && gbk::IsLeadByte(b);
                if (IsLineEnd(b)) {
                    state_ = State::kLineStart;
                    EndSection();
                } else if (b == ']' && !trail) {
                    state_ = State::kSkipLine;
                    EndSection();
                } else {
                    name_.Add(b);
                }
                break;
            }
            case State::kName:
                if (IsLineEnd(b)) {
                    state_ = State::kLineStart;  // no '=': no entry
                } else if (b == '=') {
                    EndName();
                } else {
                    name_.Add(b);
                }
                break;
            case State::kValue:
                if (IsLineEnd(b)) {
                    state_ = State::kLineStart;
                    EndValue();
                } else {
                    value_.Add(b);
                }
                break;
            case State::kDone:
                break;
        }
    }
    return state_ != State::kDone;
}

void ProfileParser::EndSection() {
    if (seenSection_) {
        state_ = State::kDone;  // the first section of the name is over
        return;
    }
    std::string_view name = name_.Kept();
    inSection_ = name_.Length() == name.size() && reader_.IsSection(name);
    seenSection_ = inSection_;
}

void ProfileParser::EndName() {
    key_ = -1;
    if (inSection_ && name_.Length() == name_.Kept().size()) {
        int k = reader_.Find(name_.Kept());
        if (k >= 0 && !found_[static_cast<size_t>(k)]) key_ = k;
    }
    if (key_ < 0) {
        state_ = State::kSkipLine;
        return;
    }
    value_.Reset();
    state_ = State::kValue;
}

void ProfileParser::EndValue() {
    auto k = static_cast<size_t>(key_);
    values_[reader_.firstSlot_[k]] = Finished(value_);
    found_[k] = 1;
    if (++foundCount_ == found_.size()) state_ = State::kDone;
}

void ProfileParser::Finish() {
    // The last line may lack its line end.
    if (state_ == State::kValue) EndValue();
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
            if (byLength_.size() <= key.size()) byLength_.resize(key.size() + 1);
            byLength_[key.size()].push_back(k);
        }
        slotKey_.push_back(k);
    }
}

int ProfileReader::Find(std::string_view name) const {
    if (name.size() >= byLength_.size()) return -1;
    for (int k : byLength_[name.size()])
        if (EqualFolded(distinct_[static_cast<size_t>(k)], name)) return k;
    return -1;
}

bool ProfileReader::IsSection(std::string_view name) const {
    return EqualFolded(section_, name);
}

void ProfileReader::Read(const std::filesystem::path& path, std::span<std::string> values) const {
    if (values.size() != KeyCount()) throw std::invalid_argument("one value per key");
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
    for (size_t n; have < 2 && (n = file.Read(buf + have, kChunk - have)) > 0;) have += n;
    bool utf16 = have >= 2 && buf[0] == '\xFF' && buf[1] == '\xFE';

    if (!utf16) {
        for (bool more = parser.Feed(buf, have); more;) {
            size_t n = file.Read(buf, kChunk);
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
        size_t n = file.Read(buf + keep, kChunk - keep);
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
