#include "sync/attempt_record.h"

#include <gtest/gtest.h>

namespace qc {

// Attempts 100 s apart, each recorded after the one before.
TEST(AttemptRecord, FailuresInARowCountFromTheFirstUntilASuccess) {
    using Offset = std::optional<double>;
    const std::tuple<int, Offset, int64_t, std::optional<int64_t>, Offset> attempts[] = {
        // exit code, offset printed: failures in a row, since, offset recorded
        {1, {}, 1, 100, {}},
        {0, 0.25, 0, {}, 0.25},
        {-1, 9.0, 1, 300, 0.25},  // sntp that could not start failed too; a failure keeps the success's offset
        {1, {}, 2, 300, 0.25},
        {0, {}, 0, {}, {}}};
    std::optional<AttemptRecord> record;
    int64_t when = 0;
    for (const auto& [code, printed, failures, since, offset] : attempts) {
        when += 100;
        record = nextAttemptRecord(record, "10.0.0.5", SyncAttempt{when, code, {}, printed});
        EXPECT_EQ(std::tuple(record->consecutiveFailures, record->failingSince, record->offsetSeconds),
                  std::tuple(failures, since, offset))
            << when;
    }
}

}  // namespace qc
