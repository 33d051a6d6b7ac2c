#include "commands/status_log.h"

#include <gtest/gtest.h>

namespace qc {

static std::string event(const char* time, const std::string& what) {
    return std::string(time) + " quorvandel-connect: " + what;
}

TEST(LogFacts, TheNewestAttemptTheNewestSuccessfulOffsetAndTheRequests) {
    const std::string request = "set-time request from user 501: ";
    const std::vector<std::string> log = {
        "+9.5 +/- 0.1 cut off from its attempt",
        event("2026-10-09T21:00:00Z", "sync against 10.0.0.5 (exit 0)"),
        "2026-10-09 21:00:00.123456 (+0000) -0.000354 +/- 0.000523 10.0.0.5 s8 no-leap",
        "+7.0 +/- 0.1 a second result line",
        event("2026-10-09T21:10:00Z", request + "ok clock set to 2026-10-09T21:10:00Z (self-test: not really)"),
        event("2026-10-09T21:11:00Z",
              request + "refused 2026-10-09T20:00:00Z is earlier than this Mac's last sync (2026-10-09T21:00:00Z). "
                        "The clock was not changed."),
        event("2026-10-09T21:12:00Z", request + "refused \"x \x1b\" is not a time. Give it as 2026-10-09T21:07:38Z."),
        event("2026-10-09T21:13:00Z", request + "refused the request was not made just now."),
        event("2026-10-09T21:14:00Z", request + "revoked this Mac asks for an administrator password again."),
        event("2026-10-09T21:30:00Z", "sync against a (b) (exit -1)"),
        "+1.0 +/- 0.1 after a failed attempt"};
    LogFacts facts = readLogFacts({log.begin(), log.end()});
    ASSERT_TRUE(facts.lastAttempt);
    EXPECT_EQ(facts.lastAttempt->epoch, 1791581400);
    EXPECT_EQ(facts.lastAttempt->server, "a (b)");
    EXPECT_EQ(facts.lastAttempt->exitCode, -1);
    EXPECT_EQ(facts.offsetSeconds, -0.000354);
    std::string requests;
    for (const auto& r : facts.setTimeRequests)
        requests += std::to_string(r.epoch % 3600) + " " + std::to_string(r.uid) + (r.ok ? " ok " : " refused ") +
                    r.requested.value_or("-") + "; ";
    EXPECT_EQ(requests, "600 501 ok 2026-10-09T21:10:00Z; 660 501 refused 2026-10-09T20:00:00Z; "
                        "720 501 refused x \\x1b; 780 501 refused -; ");

    // Only the attempt's own result line counts; the newest twenty requests are kept.
    std::vector<std::string> later = {event("2026-10-09T21:40:00Z", "sync against 10.0.0.5 (exit 0)")};
    for (int i = 0; i < 25; ++i)
        later.push_back(event("2026-10-09T21:50:00Z", request + "refused x" + std::to_string(i)));
    facts = readLogFacts({later.begin(), later.end()});
    EXPECT_EQ(facts.offsetSeconds, std::nullopt);
    ASSERT_EQ(facts.setTimeRequests.size(), 20u);
    EXPECT_EQ(facts.setTimeRequests.front().requested, std::nullopt);
    EXPECT_EQ(readLogFacts({log.front()}).lastAttempt.has_value(), false);
}

TEST(SntpOffset, ASignedDecimalBeforePlusMinus) {
    EXPECT_EQ(sntpOffset("+0.024963 +/- 0.015305 time.apple.com 17.253.4.253"), 0.024963);
    EXPECT_EQ(sntpOffset("2026-10-09 21:07:38.1 (+0000) -12 +/- 3 x"), -12.0);
    for (const char* line :
         {"0.5 +/- 0.1", "+.5 +/- 0.1", "+1e3 +/- 0.1", "x+0.5 +/- 0.1", "+0.5+/- 0.1", "+0.5 +- 0.1", "", "+0. +/- 1"})
        EXPECT_EQ(sntpOffset(line), std::nullopt) << line;
}

}  // namespace qc
