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
    const std::pair<std::optional<std::string>, int64_t> cases[] = {{"30", 60},
                                                                    {"90", 90},
                                                                    {"-5", 60},
                                                                    {"60", 60},
                                                                    {"+120", 120},
                                                                    {"0", 60},
                                                                    {"abc", 1800},
                                                                    {"", 1800},
                                                                    {std::nullopt, 1800},
                                                                    {"=120", 1800},
                                                                    {" 90", 1800},
                                                                    {"90 ", 1800},
                                                                    {"0x10", 1800},
                                                                    {"1e3", 1800},
                                                                    {"+", 1800},
                                                                    {"-", 1800},
                                                                    {"9223372036854775807", INT64_MAX},
                                                                    {"9223372036854775808", 1800},
                                                                    {"-9223372036854775808", 60},
                                                                    {"-9223372036854775809", 1800},
                                                                    {"\xd9\xa3", 1800}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(installInterval(text, 1800), expected) << text.value_or("(absent)");
}

}  // namespace qc
