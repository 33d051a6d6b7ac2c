// The event lines the handlers print: the time, " quorvandel-connect: " and
// what happened. When a job runs the tool they make up its log, the history
// people read; no fact is read back out of them.
#pragma once

#include <cstdint>
#include <string>

namespace qc {

// "sync against <server> (exit <code>)", at the time sntp was started.
std::string syncLine(int64_t when, const std::string& server, int code);
// The clock setting's words.
std::string clockLine(int64_t when, const std::string& words);
// "set-time request from user <uid>: <status> <words>"
std::string requestLine(int64_t when, int64_t uid, const std::string& status, const std::string& words);
// The sync's lines right after a boot, which carry no time.
std::string bootRetryStartLine();
std::string bootRetryLine(int n, int of);

}  // namespace qc
