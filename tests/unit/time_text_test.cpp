#include "common/time_text.h"

#include <gtest/gtest.h>

namespace qc {

TEST(TimeText, MomentsRoundTrip) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "1970-01-01T00:00:00Z"},           {1791580058, "2026-10-09T21:07:38Z"},
        {-1, "1969-12-31T23:59:59Z"},          {951782400, "2000-02-29T00:00:00Z"},
        {1709251199, "2024-02-29T23:59:59Z"},  {253402300799, "9999-12-31T23:59:59Z"},
        {-62167219200, "0000-01-01T00:00:00Z"}};
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(isoText(seconds), text);
        EXPECT_EQ(parseTime(text), seconds) << text;
    }
}

TEST(TimeText, RefusesWhatIsNotAnExistingMomentInTheOneForm) {
    const char* refused[] = {
        "2026-10-09T21:07:38.000Z", "2026-10-09T21:07:38+00:00", "2026-10-09 21:07:38Z",       "2026-10-09t21:07:38Z",
        "2026-10-09T21:07:38z",     " 2026-10-09T21:07:38Z",     "2026-10-09T21:07:38Z ",      "2026-10-09T21:07:38Z\n",
        "2026-10-9T21:07:38Z",      "+2026-10-09T21:07:38Z",     "2026-10-09T21:07",           "",
        "2026-13-09T21:07:38Z",     "2026-00-09T21:07:38Z",      "2026-10-32T21:07:38Z",       "2026-10-00T21:07:38Z",
        "2026-02-29T12:00:00Z",     "1900-02-29T12:00:00Z",      "2026-04-31T12:00:00Z",       "2026-10-09T24:00:00Z",
        "2026-10-09T21:60:00Z",     "2026-12-31T23:59:60Z",      "2026-10-09T21:07:3\xd9\xa3Z"};
    for (const char* text : refused) EXPECT_EQ(parseTime(text), std::nullopt) << text;
    EXPECT_EQ(parseTime(std::string("2026-10-09T21:07:38Z\0", 21)), std::nullopt);
}

TEST(TimeText, IntervalsInWholeMinutesWhenTheyFit) {
    const std::pair<int64_t, const char*> cases[] = {{60, "1 minute"},    {120, "2 minutes"},  {3600, "60 minutes"},
                                                     {90, "90 seconds"},  {59, "59 seconds"},  {0, "0 minutes"},
                                                     {-60, "-1 minutes"}, {-90, "-90 seconds"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(intervalText(seconds), text) << seconds;
}

}  // namespace qc
