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

// Characters that can steer a terminal, forge a line or make two texts look
// alike: C0, DEL, C1, the line and paragraph separators, and every format
// character (the bidirectional marks, embeddings, overrides and isolates,
// the soft hyphen, the word joiner and invisible operators, the zero-width
// space, the byte-order mark, the tag characters, ...). The zero-width
// joiner and non-joiner stay: Persian and emoji need them.
bool isControlCharacter(char32_t cp);
// Text the tool did not write itself, made safe to show on a terminal, in
// the log or in JSON: each control character becomes \xHH (C0 and DEL),
// \uHHHH or, past U+FFFF, \UHHHHHHHH, in lower-case hexadecimal, and each byte that is not
// UTF-8 becomes \xHH. Everything else, the backslash included, stays as it
// is; with keepLineFeeds, so do line feeds.
std::string escapeControls(std::string_view text, bool keepLineFeeds = false);

}  // namespace qc
