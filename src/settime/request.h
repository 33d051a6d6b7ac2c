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
};

// Serves the request file once: checks it, sets the clock or revokes the
// grant, and writes the answer to the result file. Absent when the request
// was dropped without an answer.
std::optional<RequestAnswer> serveRequest();

}  // namespace qc
