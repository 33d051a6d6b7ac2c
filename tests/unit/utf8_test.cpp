#include "common/utf8.h"

#include <gtest/gtest.h>

namespace qc {

TEST(EscapeControls, ControlsBecomeVisibleEscapesAndAllElseStays) {
    const std::pair<std::string, std::string> cases[] = {
        {"Lab clock \u00e9t\u00e9 \u6771\u4eac \U0001F570 a\\b \u00a0\u202f",
         "Lab clock \u00e9t\u00e9 \u6771\u4eac \U0001F570 a\\b \u00a0\u202f"},
        {"\x1b[2K\r\n\t\x7f", "\\x1b[2K\\x0d\\x0a\\x09\\x7f"},
        {"\u0080\u009f\u200e\u200f\u2028\u2029", "\\u0080\\u009f\\u200e\\u200f\\u2028\\u2029"},
        {"\u202a\u202e\u2066\u2069\u2065\u206a", "\\u202a\\u202e\\u2066\\u2069\u2065\u206a"},
        {"\xff\xc0\xa0", "\\xff\\xc0\\xa0"}  // not UTF-8
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(escapeControls(text), shown);
}

}  // namespace qc
