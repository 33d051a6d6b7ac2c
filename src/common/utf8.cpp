#include "common/utf8.h"

#include <cstdio>
#include <utility>

namespace qc {

std::optional<char32_t> decodeOne(std::string_view bytes, size_t& length) {
    if (bytes.empty()) return std::nullopt;
    auto b = static_cast<unsigned char>(bytes[0]);
    if (b < 0x80) {
        length = 1;
        return b;
    }
    size_t n;
    char32_t cp, min;
    if ((b & 0xE0) == 0xC0) {
        n = 2;
        cp = b & 0x1F;
        min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3;
        cp = b & 0x0F;
        min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4;
        cp = b & 0x07;
        min = 0x10000;
    } else
        return std::nullopt;
    if (n > bytes.size()) return std::nullopt;
    for (size_t k = 1; k < n; ++k) {
        auto c = static_cast<unsigned char>(bytes[k]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    length = n;
    return cp;
}

std::optional<std::vector<char32_t>> decodeUtf8(std::string_view bytes) {
    std::vector<char32_t> out;
    out.reserve(bytes.size());
    size_t length = 0;
    while (!bytes.empty()) {
        auto cp = decodeOne(bytes, length);
        if (!cp) return std::nullopt;
        out.push_back(*cp);
        bytes.remove_prefix(length);
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t length = 0;
    while (!bytes.empty()) {
        if (!decodeOne(bytes, length)) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

void appendUtf8(std::string& to, char32_t cp) {
    if (cp < 0x80) {
        to += static_cast<char>(cp);
    } else if (cp < 0x800) {
        to += static_cast<char>(0xC0 | (cp >> 6));
        to += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        to += static_cast<char>(0xE0 | (cp >> 12));
        to += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        to += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        to += static_cast<char>(0xF0 | (cp >> 18));
        to += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        to += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        to += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// Every format character (general category Cf, Unicode 17.0) but the two
// joiners, besides C0, DEL, C1 and the line and paragraph separators.
constexpr std::pair<char32_t, char32_t> kEscapedRanges[] = {
    {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},
    {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200B},   {0x200E, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F},
    {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F}};

}  // namespace

bool isControlCharacter(char32_t cp) {
    for (const auto& [first, last] : kEscapedRanges)
        if (cp >= first && cp <= last) return true;
    return false;
}

std::string escapeControls(std::string_view text, bool keepLineFeeds) {
    std::string out;
    out.reserve(text.size());
    char escape[12];
    while (!text.empty()) {
        size_t length = 1;
        auto cp = decodeOne(text, length);
        if (cp && (!isControlCharacter(*cp) || (keepLineFeeds && *cp == '\n'))) {
            out.append(text.substr(0, length));
        } else {
            unsigned value = cp ? static_cast<unsigned>(*cp) : static_cast<unsigned char>(text[0]);
            const char* form = value < 0x80 || !cp ? "\\x%02x" : value <= 0xFFFF ? "\\u%04x" : "\\U%08x";
            std::snprintf(escape, sizeof escape, form, value);
            out += escape;
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace qc
