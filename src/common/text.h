// Small text rules shared by every subsystem.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// A decimal integer: an optional "+" or "-", then one or more ASCII digits,
// nothing else, within the signed 64-bit range.
std::optional<int64_t> parseInt64(std::string_view text);

// Blanks: tabs and the Unicode space separators. Text is UTF-8.
std::string_view trimBlanks(std::string_view text);
// Blanks and line breaks (LF, VT, FF, CR, NEL, LS, PS).
std::string_view trimBlanksAndNewlines(std::string_view text);

// Cuts at every line feed and drops the empty pieces.
std::vector<std::string_view> nonEmptyLines(std::string_view text);

}  // namespace qc
