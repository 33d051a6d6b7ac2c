#include "sync/last_sync.h"

#include <gtest/gtest.h>

namespace qc {

TEST(LastSyncRecord, OnlyAPositiveDecimalCounts) {
    const std::pair<const char*, int64_t> counted[] = {
        {"1791580058\n", 1791580058}, {" \t1791580058\n\n\r\n", 1791580058}, {"+42", 42}, {"1", 1},
        {"\u00a07\u2028", 7},         {"9223372036854775807", INT64_MAX}};
    for (const auto& [text, value] : counted) EXPECT_EQ(parseLastSync(text), value) << text;
    const char* none[] = {
        "0",  "-5", "", " \n\t", "12ab", "1 2", "1.5", "+", "0x10", "9223372036854775808", "99999999999999999999",
        "++1"};
    for (const char* text : none) EXPECT_EQ(parseLastSync(text), std::nullopt) << text;
}

}  // namespace qc
