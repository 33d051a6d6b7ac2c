#include "sync/sync.h"

#include <algorithm>

#include "common/console.h"
#include "common/paths.h"
#include "common/process.h"
#include "common/text.h"
#include "common/time_text.h"
#include "sync/last_sync.h"

namespace qc {

namespace {
constexpr size_t kManyLines = 5;
constexpr std::string_view kSntpMarker = "sntp: ";
}  // namespace

std::vector<std::string> sntpLinesToPrint(std::string_view output, int code) {
    std::vector<std::string> lines;
    for (auto line : nonEmptyLines(output)) {
        auto trimmed = trimBlanks(line);
        if (!trimmed.empty()) lines.emplace_back(trimmed);
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

bool oneSync(const std::string& server) {
    const Paths& t = paths();
    const std::string stamp = nowText();
    const std::string program = t.kSntpStandIn.value_or("/usr/bin/sntp");
    const std::vector<std::string> arguments =
        t.testMode() ? std::vector<std::string>{server} : std::vector<std::string>{"-sS", server};
    RunResult result = run(program, arguments);
    outln(stamp + " quorvandel-connect: sync against " + server + " (exit " + std::to_string(result.code) + ")");
    for (const auto& line : sntpLinesToPrint(result.out, result.code)) outln(line);
    if (result.code != 0) return false;
    recordLastSync();
    return true;
}

}  // namespace qc
