#include "sync/sync.h"

#include <algorithm>

#include "common/text.h"
#include "common/time_text.h"
#include "common/utf8.h"
#include "platform/platform.h"

namespace qc {

namespace {
constexpr size_t kManyLines = 5;
constexpr std::string_view kSntpMarker = "sntp: ";
}  // namespace

std::vector<std::string> sntpLinesToPrint(std::string_view output, int code) {
    std::vector<std::string> lines;
    // sntp's words reach a terminal and the log: shown with their controls escaped.
    for (auto line : nonEmptyLines(output)) {
        auto trimmed = trimBlanks(line);
        if (!trimmed.empty()) lines.push_back(escapeControls(trimmed));
    }
    if (code == 0 || lines.size() < kManyLines) return lines;

    // A long failure repeats itself: keep each sntp message once.
    std::vector<std::string> messages;
    for (const auto& line : lines) {
        size_t at = line.find(kSntpMarker);
        if (at == std::string::npos) continue;
        std::string message = line.substr(at);
        if (std::find(messages.begin(), messages.end(), message) == messages.end()) messages.push_back(message);
    }
    return messages;
}

SyncAttempt attemptSync(const std::string& server) {
    const std::string stamp = nowText();
    RunResult result = platform().runSntp(server);
    return {stamp, result.code, sntpLinesToPrint(result.out, result.code)};
}

}  // namespace qc
