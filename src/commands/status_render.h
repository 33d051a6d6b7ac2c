// The two forms of status: text for a person, one JSON object for a fleet
// script, both printed from the same gathered facts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "commands/status.h"

namespace qc {

// The first that applies: not-set-up, job-not-loaded, never-synced, failing
// (at least two attempts in a row failed), stale, overridden (the Mac's time
// server, where it is read, is not the job's), ok.
std::string_view statusHealth(const StatusFacts& facts, int64_t now);

void printStatusText(const StatusFacts& facts);
// One JSON object, without the line feed.
std::string statusJson(const StatusFacts& facts, int64_t now);

}  // namespace qc
