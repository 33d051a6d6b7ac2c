#include "commands/sync_command.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "platform/selftest_platform.h"
#include "sync/attempt_record.h"
#include "test_root.h"

namespace qc {

// Right after a boot: the first try and twenty more, then it gives up; one
// second later than five minutes after the boot, no retry at all. However
// many runs, it is one attempt.
TEST(BootRetry, TwentyRetriesAfterAFreshBootAndNoneLater) {
    TestRoot root;
    ASSERT_TRUE(makeDirectories(paths().kStateDir));
    const std::tuple<double, int, int, int, int> cases[] = {// uptime, sntp answers at run, exit code, runs, pauses
                                                            {299.9, 0, 1, 21, 20},
                                                            {299.9, 21, 0, 21, 20},
                                                            {299.9, 4, 0, 4, 3},
                                                            {300.0, 0, 1, 1, 0},
                                                            {10, 1, 0, 1, 0}};
    for (const auto& [uptime, answersFrom, code, runs, pauses] : cases) {
        // An sntp that answers from the given run on (never when 0); chmod always succeeds.
        int ran = 0;
        ScopedPlatform scoped(selfTestPlatform({}, [&](const std::string& path, const std::vector<std::string>&) {
            if (path != "/usr/bin/sntp") return RunResult{0, ""};
            return RunResult{++ran == answersFrom ? 0 : 1, ""};
        }));
        int paused = 0;
        const BootRetry retry{[&] { return uptime; },
                              [&] {
                                  ++paused;
                              }};
        testing::internal::CaptureStdout();
        EXPECT_EQ(cmdSync("10.0.0.5", retry), code) << uptime << " " << answersFrom;
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(std::pair(ran, paused), std::pair(runs, pauses)) << uptime << " " << answersFrom;
        EXPECT_EQ(out.find("boot retry 20/20") != std::string::npos, runs == 21) << out;
        EXPECT_EQ(attemptRecord()->consecutiveFailures, code);
    }
}

}  // namespace qc
