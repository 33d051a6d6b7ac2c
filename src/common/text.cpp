#include "common/text.h"

#include <limits>

#include "common/utf8.h"

namespace qc {

std::optional<int64_t> parseInt64(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // Accumulate as a negative number so INT64_MIN fits.
    int64_t value = 0;
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        int digit = c - '0';
        if (value < (kMin + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == kMin) return std::nullopt;
        value = -value;
    }
    return value;
}

namespace {

bool isBlank(char32_t c) {
    switch (c) {
    case U'\t':
    case U' ':
    case 0x00A0:
    case 0x1680:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}

bool isNewline(char32_t c) {
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Text that is not UTF-8 is trimmed of nothing at an invalid byte.
char32_t firstCodePoint(std::string_view s, size_t& length) {
    if (auto cp = decodeOne(s, length)) return *cp;
    length = 1;
    return 0xFFFD;
}

char32_t lastCodePoint(std::string_view s, size_t& length) {
    size_t start = s.size() - 1;
    while (start > 0 && s.size() - start < 4 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
    size_t n = 0;
    if (auto cp = decodeOne(s.substr(start), n); cp && start + n == s.size()) {
        length = n;
        return *cp;
    }
    length = 1;
    return 0xFFFD;
}

template <typename Pred>
std::string_view trimWith(std::string_view s, Pred trims) {
    size_t length = 0;
    while (!s.empty() && trims(firstCodePoint(s, length))) s.remove_prefix(length);
    while (!s.empty() && trims(lastCodePoint(s, length))) s.remove_suffix(length);
    return s;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    return trimWith(text, isBlank);
}

std::string_view trimBlanksAndNewlines(std::string_view text) {
    return trimWith(text, [](char32_t c) { return isBlank(c) || isNewline(c); });
}

std::vector<std::string_view> nonEmptyLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty()) lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace qc
