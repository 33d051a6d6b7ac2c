// The rules a set-time request must pass, apart from the files they read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qc {

inline constexpr size_t kMaxRequestBytes = 64;
// A request counts only this many seconds either side of its file's time.
inline constexpr double kRequestFreshSeconds = 30.0;
// An answer is one short line; a larger result file reads as unreadable.
inline constexpr size_t kMaxResultBytes = 1024;

struct Request {
    std::string command;  // a time text, "revoke", or anything else the clock setting refuses
    std::string nonce;
};

// The bytes read from the request file: UTF-8, two fields separated by spaces
// only, the second a nonce of 8 to 32 lower-case hexadecimal digits. The
// first may hold anything; it is escaped before it is shown anywhere.
std::optional<Request> parseRequest(std::string_view bytes);
// The last answer began with this nonce: the request was served already.
bool isAnsweredIn(const Request& request, const std::optional<std::string>& resultText);
// At most the window apart, in either direction; exactly the window passes.
bool isFresh(double now, int64_t modifiedSeconds, double window);

}  // namespace qc
