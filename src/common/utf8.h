// UTF-8 checks and decoding (strict: no overlong forms, no surrogates).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// The code point at the start of the bytes and its length; absent when the
// bytes there are not a valid UTF-8 sequence.
std::optional<char32_t> decodeOne(std::string_view bytes, size_t& length);

bool isValidUtf8(std::string_view bytes);
// The code points of valid UTF-8, or absent.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view bytes);
void appendUtf8(std::string& to, char32_t cp);

// Characters that can steer a terminal or forge a line: C0, DEL, C1, the
// bidirectional marks, embeddings, overrides and isolates, and the line and
// paragraph separators.
bool isControlCharacter(char32_t cp);
// Text from elsewhere made safe to show: each control character becomes
// \xHH (C0 and DEL) or \uHHHH (the others), lower-case hexadecimal, and each
// byte that is not UTF-8 becomes \xHH. Everything else, the backslash
// included, stays as it is.
std::string escapeControls(std::string_view text);

}  // namespace qc
