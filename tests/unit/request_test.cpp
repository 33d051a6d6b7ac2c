#include <gtest/gtest.h>

#include <string>

#include "settime/request_rules.h"

namespace qc {
namespace {

using namespace std::string_literals;

TEST(ParseRequest, TwoFieldsSeparatedBySpacesOnlyWithALowerCaseHexNonce) {
    struct Case {
        std::string bytes;
        const char* command;  // nullptr: dropped
        const char* nonce;
    };
    const std::string pad(64 - 20 - 8, ' ');
    const Case cases[] = {
        {"2026-10-09T21:07:38Z abcdef12\n", "2026-10-09T21:07:38Z", "abcdef12"},
        {"revoke 0123456789abcdef0123456789abcdef", "revoke", "0123456789abcdef0123456789abcdef"},
        {" \t x   abcdef12 \r\n\v\f", "x", "abcdef12"},
        {"\u3000x abcdef12\u2028\u0085", "x", "abcdef12"},  // Unicode blanks and line breaks trim
        {"ma\u00f1ana abcdef12", "ma\u00f1ana", "abcdef12"},
        {"2026-10-09T21:07:38Z" + pad + "abcdef12", "2026-10-09T21:07:38Z", "abcdef12"},  // 64 bytes
        {"2026-10-09T21:07:38Z" + pad + " abcdef12", nullptr, nullptr},                     // 65 bytes
        {"", nullptr, nullptr},
        {" \n", nullptr, nullptr},
        {"x\tabcdef12", nullptr, nullptr},
        {"x\u00a0abcdef12", nullptr, nullptr},
        {"x abcdef12 y", nullptr, nullptr},
        {"abcdef12", nullptr, nullptr},
        {"x ABCDEF12", nullptr, nullptr},
        {"x abcdef1", nullptr, nullptr},
        {"x 0123456789abcdef0123456789abcdef0", nullptr, nullptr},
        {"x abcdefg1", nullptr, nullptr},
        {"x abcdef12\0"s, nullptr, nullptr},
        {"x\xff abcdef12", nullptr, nullptr},
        {"x\xc0\xa0" "abcdef12", nullptr, nullptr},  // overlong space
        {"x\xc1\x81 abcdef12", nullptr, nullptr},    // overlong "A"
        {"\xed\xa0\x80 abcdef12", nullptr, nullptr},  // surrogate
        // Inside the command, a line break or control would reach the log.
        {"x\ny abcdef12", nullptr, nullptr},
        {"x\x1b[2Jy abcdef12", nullptr, nullptr},
        {"x\u0085y abcdef12", nullptr, nullptr},
        {"x\u2028y abcdef12", nullptr, nullptr},
        {"x\u202ey abcdef12", nullptr, nullptr},  // bidirectional controls reorder the log line
        {"x\u200fy abcdef12", nullptr, nullptr},
        {"x\u2066y abcdef12", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        auto request = parseRequest(c.bytes);
        ASSERT_EQ(request.has_value(), c.command != nullptr) << c.bytes;
        if (!request) continue;
        EXPECT_EQ(request->command, c.command);
        EXPECT_EQ(request->nonce, c.nonce);
    }
}

TEST(IsAnsweredIn, TheLastAnswerBeginsWithTheNonceAndASpace) {
    const Request request{"revoke", "abcdef12"};
    EXPECT_TRUE(isAnsweredIn(request, "abcdef12 ok clock set to 2026-10-09T21:07:38Z\n"));
    EXPECT_TRUE(isAnsweredIn(request, "abcdef12 refused the request was not made just now.\n"));
    EXPECT_FALSE(isAnsweredIn(request, std::nullopt));
    EXPECT_FALSE(isAnsweredIn(request, ""));
    EXPECT_FALSE(isAnsweredIn(request, "abcdef12"));
    EXPECT_FALSE(isAnsweredIn(request, "abcdef123 ok x\n"));
    EXPECT_FALSE(isAnsweredIn(request, "xabcdef12 ok x\n"));
    EXPECT_FALSE(isAnsweredIn(request, "abcdef12 ok \xff\n"));  // not UTF-8: as if unreadable
    EXPECT_FALSE(isAnsweredIn(Request{"revoke", "abcdef1234"}, "abcdef12 ok x\n"));
}

TEST(IsFresh, ThirtySecondsEitherWayPassAndNotAQuarterMore) {
    const int64_t modified = 1791580058;
    const std::pair<double, bool> cases[] = {
        {1791580058.0, true},  {1791580088.0, true},  {1791580028.0, true},
        {1791580088.25, false}, {1791580027.75, false}, {1791580087.75, true},
        {1791580093.0, false},  {1791580023.0, false},
    };
    for (const auto& [now, fresh] : cases) EXPECT_EQ(isFresh(now, modified, 30.0), fresh) << now - modified;
}

}  // namespace
}  // namespace qc
