#include "commands/status_render.h"

#include <climits>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace qc {

static constexpr int64_t kNow = 2000000000;

static StatusFacts facts(bool setUp, bool loaded, std::optional<int64_t> age, int64_t interval = 1800) {
    StatusFacts f;
    if (setUp) f.job = ConfiguredJob{"10.0.0.5", interval};
    f.jobLoaded = loaded;
    if (age) f.lastSync = kNow - *age;
    return f;
}

TEST(StatusHealth, FirstRuleThatAppliesWins) {
    const std::tuple<StatusFacts, const char*> cases[] = {{facts(false, true, 0), "not-set-up"},
                                                          {facts(true, false, 0), "job-not-loaded"},
                                                          {facts(true, true, {}), "never-synced"},
                                                          // Stale is strictly older than twice the interval plus 300 s.
                                                          {facts(true, true, 3900), "ok"},
                                                          {facts(true, true, 3901), "stale"},
                                                          {facts(true, true, 420, 60), "ok"},
                                                          {facts(true, true, 421, 60), "stale"},
                                                          {facts(true, true, -5), "ok"},
                                                          {facts(true, true, kNow - 1, INT64_MAX), "ok"}};
    for (const auto& [f, health] : cases)
        EXPECT_EQ(statusHealth(f, kNow), health) << f.lastSync.value_or(-1) << " " << (f.job ? f.job->interval : 0);
}

TEST(StatusJson, BytesThatAreNotUtf8NeverBreakTheDocument) {
    StatusFacts f = facts(true, true, 60);
    f.job->server = "a\xff\"b";
    f.logTail = std::vector<std::string>{"\x1b[2J \xc3"};
    auto json = nlohmann::json::parse(statusJson(f, kNow), nullptr, false);
    ASSERT_FALSE(json.is_discarded());
    EXPECT_EQ(json["server"], "a\ufffd\"b");
    EXPECT_EQ(json["logTail"][0], "\x1b[2J \ufffd");
    EXPECT_EQ(json["health"], "ok");
}

}  // namespace qc
