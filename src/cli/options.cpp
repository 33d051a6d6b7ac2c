#include "cli/options.h"

#include <algorithm>

#include "common/text.h"

namespace qc {

std::optional<std::string> optValue(const std::vector<std::string>& args, const std::string& name) {
    auto found = std::find(args.begin(), args.end(), name);
    if (found == args.end() || found + 1 == args.end()) return std::nullopt;
    return *(found + 1);
}

bool hasFlag(const std::vector<std::string>& args, const std::string& name) {
    return args.size() > 2 && std::find(args.begin() + 2, args.end(), name) != args.end();
}

int64_t installInterval(const std::optional<std::string>& text, int64_t fallback) {
    auto value = parseInt64(text.value_or(""));
    if (!value) return fallback;
    return *value < 60 ? 60 : *value;
}

}  // namespace qc
