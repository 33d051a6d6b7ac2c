#include "cli/options.h"

#include <gtest/gtest.h>

namespace qc {

TEST(OptValue, FirstExactOccurrenceWithAFollowingElement) {
    const std::vector<std::string> args = {"t", "install", "--server", "a", "--server", "b", "--name"};
    EXPECT_EQ(optValue(args, "--server"), "a");
    EXPECT_EQ(optValue(args, "--name"), std::nullopt);  // last element
    EXPECT_EQ(optValue(args, "--serv"), std::nullopt);
    EXPECT_EQ(optValue({"t", "--server=a"}, "--server"), std::nullopt);
    EXPECT_EQ(optValue({"t", "--server", "--name"}, "--server"), "--name");
}

TEST(InstallInterval, ParsesSigned64BitAndRaisesToAMinute) {
    const std::pair<const char*, int64_t> read[] = {
        {"30", 60}, {"90", 90}, {"-5", 60}, {"60", 60}, {"+120", 120}, {"0", 60}, {"-9223372036854775808", 60}};
    for (const auto& [text, expected] : read) EXPECT_EQ(installInterval(text, 1800), expected) << text;
    EXPECT_EQ(installInterval("9223372036854775807", 1800), INT64_MAX);
    const char* unread[] = {
        "abc",     "", "=120", " 90", "90 ", "0x10", "1e3", "+", "-", "9223372036854775808", "-9223372036854775809",
        "\xd9\xa3"};
    for (const char* text : unread) EXPECT_EQ(installInterval(text, 1800), 1800) << text;
    EXPECT_EQ(installInterval(std::nullopt, 1800), 1800);
}

}  // namespace qc
