#include "gbk.h"

#include <gtest/gtest.h>

namespace qz {
namespace {

TEST(Gbk, ConvertsBothWaysAndMarksWhatItCannotHold) {
    const struct {
        const char* name;
        std::string utf8, gbk;
    } cases[] = {
        {"ASCII", "Kick", "Kick"},
        {"Chinese", "命令", "\xC3\xFC\xC1\xEE"},
        {"full-width comma", "，、", "\xA3\xAC\xA1\xA2"},
        {"not in GBK", "a😀ก", "a??"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gbk::FromUtf8(c.utf8), c.gbk);
        if (c.gbk.find('?') == std::string::npos) {
            EXPECT_EQ(gbk::ToUtf8(c.gbk), c.utf8);
        }
    }
    EXPECT_EQ(gbk::FromUtf8("a\xFF"
                            "b"),
              "a?b");  // no UTF-8
}

TEST(Gbk, DisplayNeverFailsOnBytesThatAreNoGbk) {
    EXPECT_EQ(gbk::ToUtf8("a\xFF\xC3\xFC\xC3"), "a\xEF\xBF\xBD命\xEF\xBF\xBD");
}

TEST(Gbk, Utf16SurrogatePairsAreOneCharacter) {
    std::string out = "x";
    gbk::AppendFromUtf16(u"命😀\xD800令", out);
    EXPECT_EQ(out, "x\xC3\xFC??\xC1\xEE");
}

}  // namespace
}  // namespace qz
