// The one text form of a moment: "2026-10-09T21:07:38Z", UTC, to the second;
// and how a sync interval is worded for people.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

std::string isoText(int64_t seconds);
std::optional<int64_t> parseTime(const std::string& text);
// The current time as time text.
std::string nowText();
// "30 minutes", "1 minute", "90 seconds": whole minutes when they fit.
std::string intervalText(int64_t seconds);

}  // namespace qc
