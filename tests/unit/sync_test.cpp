#include "sync/sync.h"

#include <gtest/gtest.h>

namespace qc {

using Lines = std::vector<std::string>;

TEST(SntpOutput, LongFailuresKeepEachSntpMessageOnce) {
    const std::string six = "12:00 sntp: no answer\n  sntp: no answer\t\nnoise\nsntp: no answer\n"
                            "\u00a0sntp: lookup failed, sntp: again \nsntp: no answer\n";
    const std::tuple<std::string, int, Lines> cases[] = {
        {"", 1, {}},
        {"\n \t\n\u3000\n", 1, {}},
        {" a \n\nb\n\tc\nd", 1, {"a", "b", "c", "d"}},
        {six, 1, {"sntp: no answer", "sntp: lookup failed, sntp: again"}},
        {six, -1, {"sntp: no answer", "sntp: lookup failed, sntp: again"}},
        {six,
         0,
         {"12:00 sntp: no answer", "sntp: no answer", "noise", "sntp: no answer", "sntp: lookup failed, sntp: again",
          "sntp: no answer"}},
        {"a\nb\nc\nd\ne\n", 2, {}},
        {"a\nb\nc\n \n\t\nd sntp: x\n", 2, {"a", "b", "c", "d sntp: x"}},
        {"a\nb\nc\nd sntp: x\nSNTP: y\n", 2, {"sntp: x"}},
        {"sntp:x\nsntp:  x\nsntp: x\nsntp: x \nsntp:\n", 1, {"sntp:  x", "sntp: x"}}};
    for (const auto& [output, code, printed] : cases) EXPECT_EQ(sntpLinesToPrint(output, code), printed) << output;
}

TEST(SntpOffset, ASignedDecimalBeforePlusMinus) {
    EXPECT_EQ(sntpOffset("+0.024963 +/- 0.015305 time.apple.com 17.253.4.253"), 0.024963);
    EXPECT_EQ(sntpOffset("2026-10-09 21:07:38.1 (+0000) -12 +/- 3 x"), -12.0);
    for (const char* line :
         {"0.5 +/- 0.1", "+.5 +/- 0.1", "+1e3 +/- 0.1", "x+0.5 +/- 0.1", "+0.5+/- 0.1", "+0.5 +- 0.1", "", "+0. +/- 1"})
        EXPECT_EQ(sntpOffset(line), std::nullopt) << line;
}

}  // namespace qc
