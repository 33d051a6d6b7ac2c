#include "common/utf8.h"

#include <gtest/gtest.h>

namespace qc {

// Each character that is escaped beside a neighbour that must stay as it is.
TEST(EscapeControls, TheEscapedSetAndItsNeighbours) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("\0\t\n\r\x1b\x1f ", 7), "\\x00\\x09\\x0a\\x0d\\x1b\\x1f "},
        {"~\x7f\u00ac\u00ad\u00ae\u180d\u180e", "~\\x7f\u00ac\\u00ad\u00ae\u180d\\u180e"},
        {"\u0080\u009f\u00a0", "\\u0080\\u009f\u00a0"},
        {"\u061b\u061c\u0605\u0606", "\u061b\\u061c\\u0605\u0606"},
        {"\u200b\u200c\u200d", "\\u200b\u200c\u200d"},
        {"\u200e\u200f\u2010", "\\u200e\\u200f\u2010"},
        {"\u2027\u2028\u2029\u202a\u202e\u202f", "\u2027\\u2028\\u2029\\u202a\\u202e\u202f"},
        {"\u205f\u2060\u2064\u2065\u2066\u206f\u2070", "\u205f\\u2060\\u2064\u2065\\u2066\\u206f\u2070"},
        {"\U000e0000\U000e0001\U000e0002\U000e0020\U000e007f\U000e0080\U0001d173",
         "\U000e0000\\U000e0001\U000e0002\\U000e0020\\U000e007f\U000e0080\\U0001d173"},
        {"\ufefc\ufeff\ufff8\ufff9\ufffb\ufffc", "\ufefc\\ufeff\ufff8\\ufff9\\ufffb\ufffc"},
        {"\xff\xc0\xa0\xed\xa0\x80", "\\xff\\xc0\\xa0\\xed\\xa0\\x80"},  // not UTF-8
        {"Lab clock \u00e9t\u00e9 \u6771\u4eac \U0001F570 a\\b \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627",
         "Lab clock \u00e9t\u00e9 \u6771\u4eac \U0001F570 a\\b \u05e9\u05dc\u05d5\u05dd "
         "\u0645\u0631\u062d\u0628\u0627"}};
    for (const auto& [text, shown] : cases) EXPECT_EQ(escapeControls(text), shown);
    EXPECT_EQ(escapeControls("a\nb\x1b\n", true), "a\nb\\x1b\n");
}

}  // namespace qc
