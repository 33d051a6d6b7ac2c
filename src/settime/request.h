// The set-the-clock job's work: root acting on a file an ordinary user
// writes. Everything about the request is checked on the opened descriptor;
// a request that fails a check of origin or form leaves no trace.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qc {

// What the job answered, for its log line.
struct RequestAnswer {
    int64_t uid = 0;  // the granted user
    std::string status;
    std::string words;
    // A revoke: the caller takes the grant away once the answer's line is
    // out, since launchd ends a job as soon as it is booted out.
    bool revokes = false;
};

// Serves the request file once: checks it, sets the clock (or answers a
// revoke), writes the answer to the result file and records it in the audit.
// Absent when the request was dropped without an answer.
std::optional<RequestAnswer> serveRequest();

}  // namespace qc
