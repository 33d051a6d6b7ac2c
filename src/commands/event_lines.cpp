#include "commands/event_lines.h"

#include "common/time_text.h"

namespace qc {

namespace {

std::string eventLine(int64_t when, const std::string& event) {
    return isoText(when) + " quorvandel-connect: " + event;
}

}  // namespace

std::string syncLine(int64_t when, const std::string& server, int code) {
    return eventLine(when, "sync against " + server + " (exit " + std::to_string(code) + ")");
}

std::string clockLine(int64_t when, const std::string& words) {
    return eventLine(when, words);
}

std::string requestLine(int64_t when, int64_t uid, const std::string& status, const std::string& words) {
    return eventLine(when, "set-time request from user " + std::to_string(uid) + ": " + status + " " + words);
}

std::string bootRetryStartLine() {
    return "quorvandel-connect: fresh boot \u2014 retrying up to 10 min for the server...";
}

std::string bootRetryLine(int n, int of) {
    return "quorvandel-connect: boot retry " + std::to_string(n) + "/" + std::to_string(of);
}

}  // namespace qc
