#include "common/utf8.h"

#include <cstdio>

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

bool isControlCharacter(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C || cp == 0x200B || cp == 0x200E || cp == 0x200F ||
           (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0xFEFF;
}

std::string escapeControls(std::string_view text, bool keepLineFeeds) {
    std::string out;
    out.reserve(text.size());
    char escape[8];
    while (!text.empty()) {
        size_t length = 1;
        auto cp = decodeOne(text, length);
        if (cp && (!isControlCharacter(*cp) || (keepLineFeeds && *cp == '\n'))) {
            out.append(text.substr(0, length));
        } else {
            unsigned value = cp ? static_cast<unsigned>(*cp) : static_cast<unsigned char>(text[0]);
            std::snprintf(escape, sizeof escape, value < 0x80 || !cp ? "\\x%02x" : "\\u%04x", value);
            out += escape;
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace qc
