#include "commands/status_render.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace qc {

static constexpr int64_t kNow = 2000000000;

// A Mac set up with 10.0.0.5 whose last sync was age seconds ago, unless a row says otherwise.
struct Row {
    const char* health;
    bool setUp = true, loaded = true;
    std::optional<int64_t> age = 60;
    int64_t interval = 1800;
    int64_t failures = 0;                        // failed attempts in a row
    std::optional<std::string> configured = {};  // the Mac's time server, where it is read
};

static StatusFacts facts(const Row& row) {
    StatusFacts f;
    if (row.setUp) f.job = ConfiguredJob{"10.0.0.5", row.interval};
    f.launchd.loaded = row.loaded;
    if (row.age) f.lastSync = kNow - *row.age;
    if (row.failures)
        f.attempt = AttemptRecord{.server = "10.0.0.5", .exitCode = 1, .consecutiveFailures = row.failures};
    f.timeServer = row.configured;
    return f;
}

TEST(StatusHealth, FirstRuleThatAppliesWins) {
    const Row rows[] = {{.health = "not-set-up", .setUp = false, .failures = 2},
                        {.health = "job-not-loaded", .loaded = false, .failures = 2},
                        {.health = "never-synced", .age = {}, .failures = 2},
                        {.health = "failing", .age = 5000, .failures = 2, .configured = "10.0.0.9"},
                        // One missed attempt after a success is no failure yet.
                        {.health = "ok", .failures = 1, .configured = "10.0.0.5"},
                        // Stale is strictly older than twice the interval plus 300 s.
                        {.health = "ok", .age = 3900},
                        {.health = "stale", .age = 3901, .failures = 1, .configured = "10.0.0.9"},
                        {.health = "ok", .age = 420, .interval = 60},
                        {.health = "stale", .age = 421, .interval = 60},
                        {.health = "ok", .age = -5},
                        {.health = "ok", .age = kNow - 1, .interval = INT64_MAX},
                        {.health = "overridden", .configured = "10.0.0.9"},
                        {.health = "overridden", .configured = ""}};
    for (const auto& row : rows) EXPECT_EQ(statusHealth(facts(row), kNow), row.health) << row.age.value_or(-1);
}

TEST(StatusJson, BytesThatAreNotUtf8NeverBreakTheDocument) {
    StatusFacts f = facts({.health = "ok"});
    f.job->server = "a\xff\"b";
    f.logTail = std::vector<std::string>{"\x1b[2J \xc3"};
    auto json = nlohmann::json::parse(statusJson(f, kNow), nullptr, false);
    ASSERT_FALSE(json.is_discarded());
    EXPECT_EQ(json["server"], "a\ufffd\"b");
    EXPECT_EQ(json["logTail"][0], "\x1b[2J \ufffd");
    EXPECT_EQ(json["health"], "ok");
}

TEST(StatusJson, AnOffsetBeyondTheRangeOfADoubleIsNull) {
    StatusFacts f = facts({.health = "ok"});
    // What strtod makes of sntp's digits past 1e308.
    f.attempt = AttemptRecord{.server = "10.0.0.5", .offsetSeconds = HUGE_VAL};
    EXPECT_NE(statusJson(f, kNow).find(",\"offsetSeconds\":null,"), std::string::npos);
}

}  // namespace qc
