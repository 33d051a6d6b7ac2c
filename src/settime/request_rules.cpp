#include "settime/request_rules.h"

#include <cmath>
#include <vector>

#include "common/text.h"
#include "common/utf8.h"

namespace qc {

namespace {

bool isNonce(std::string_view text) {
    if (text.size() < 8 || text.size() > 32) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

}  // namespace

std::optional<Request> parseRequest(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > kMaxRequestBytes || !isValidUtf8(bytes)) return std::nullopt;
    std::string_view text = trimBlanksAndNewlines(bytes);
    // Only U+0020 separates: a tab or any other blank stays inside a field.
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        size_t space = text.find(' ');
        if (space != 0) fields.push_back(text.substr(0, space));
        if (space == std::string_view::npos) break;
        text.remove_prefix(space + 1);
    }
    if (fields.size() != 2 || !isNonce(fields[1])) return std::nullopt;
    return Request{std::string(fields[0]), std::string(fields[1])};
}

bool isAnsweredIn(const Request& request, const std::optional<std::string>& resultText) {
    if (!resultText || !isValidUtf8(*resultText)) return false;
    const std::string prefix = request.nonce + " ";
    return resultText->compare(0, prefix.size(), prefix) == 0;
}

bool isFresh(double now, int64_t modifiedSeconds, double window) {
    return std::fabs(now - static_cast<double>(modifiedSeconds)) <= window;
}

}  // namespace qc
