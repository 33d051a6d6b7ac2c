#include "settime/request_rules.h"

#include <gtest/gtest.h>

namespace qc {

using namespace std::string_literals;

TEST(ParseRequest, TwoFieldsSeparatedBySpacesOnlyWithALowerCaseHexNonce) {
    const std::string pad(64 - 20 - 8, ' ');
    const std::tuple<std::string, const char*, const char*> accepted[] = {
        {"2026-10-09T21:07:38Z abcdef12\n", "2026-10-09T21:07:38Z", "abcdef12"},
        {"revoke 0123456789abcdef0123456789abcdef", "revoke", "0123456789abcdef0123456789abcdef"},
        {" \t x   abcdef12 \r\n\v\f", "x", "abcdef12"},
        {"\u3000x abcdef12\u2028\u0085", "x", "abcdef12"},  // Unicode blanks and line breaks trim
        {"ma\u00f1ana abcdef12", "ma\u00f1ana", "abcdef12"},
        // Controls stay in the command, which is escaped wherever it is shown.
        {"x\ny\x1b[2J\u202e abcdef12", "x\ny\x1b[2J\u202e", "abcdef12"},
        {"2026-10-09T21:07:38Z" + pad + "abcdef12", "2026-10-09T21:07:38Z", "abcdef12"}  // 64 bytes
    };
    for (const auto& [bytes, command, nonce] : accepted) {
        auto request = parseRequest(bytes);
        ASSERT_TRUE(request) << bytes;
        EXPECT_EQ(request->command, command);
        EXPECT_EQ(request->nonce, nonce);
    }
    const std::string dropped[] = {"2026-10-09T21:07:38Z" + pad + " abcdef12",  // 65 bytes
                                   "", " \n", "x\tabcdef12", "x\u00a0abcdef12", "x abcdef12 y", "abcdef12",
                                   "x abcdef12\0"s, "x ABCDEF12", "x abcdef1", "x 0123456789abcdef0123456789abcdef0",
                                   "x abcdefg1",
                                   // Not UTF-8: an invalid byte, an overlong space, an overlong "A", a surrogate.
                                   "x\xff abcdef12",
                                   "x\xc0\xa0"
                                   "abcdef12",
                                   "x\xc1\x81 abcdef12", "\xed\xa0\x80 abcdef12"};
    for (const auto& bytes : dropped) EXPECT_FALSE(parseRequest(bytes)) << bytes;
}

TEST(IsAnsweredIn, TheLastAnswerBeginsWithTheNonceAndASpace) {
    const Request request{"revoke", "abcdef12"};
    EXPECT_TRUE(isAnsweredIn(request, "abcdef12 ok clock set to 2026-10-09T21:07:38Z\n"));
    EXPECT_TRUE(isAnsweredIn(request, "abcdef12 refused the request was not made just now.\n"));
    EXPECT_FALSE(isAnsweredIn(request, std::nullopt));
    // The last: not UTF-8, as if unreadable.
    for (const char* answer : {"", "abcdef12", "abcdef123 ok x\n", "xabcdef12 ok x\n", "abcdef12 ok \xff\n"})
        EXPECT_FALSE(isAnsweredIn(request, answer)) << answer;
    EXPECT_FALSE(isAnsweredIn(Request{"revoke", "abcdef1234"}, "abcdef12 ok x\n"));
}

TEST(IsFresh, ThirtySecondsEitherWayPassAndNotAQuarterMore) {
    const int64_t modified = 1791580058;
    const std::pair<double, bool> cases[] = {{1791580058.0, true},   {1791580088.0, true},   {1791580028.0, true},
                                             {1791580088.25, false}, {1791580027.75, false}, {1791580087.75, true},
                                             {1791580093.0, false},  {1791580023.0, false}};
    for (const auto& [now, fresh] : cases) EXPECT_EQ(isFresh(now, modified, 30.0), fresh) << now - modified;
}

}  // namespace qc
