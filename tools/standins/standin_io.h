// Small file and output helpers shared by the stand-ins. Each stand-in keeps
// its state in a folder under kStandinRoot, a tmpfs that only exists inside
// the test sandbox; the path is fixed so that jobs started with a bare
// environment find the same state.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace standin {

inline constexpr const char* kStandinRoot = "/run/quorvandel-standins";

// Creates one folder (not its parents) open to every user of the sandbox.
// True when it exists afterwards.
bool ensureSharedDir(const std::string& path);

// Appends the arguments after the program name, joined by single spaces, as
// one line to <dir>/calls.log. Best effort.
void logCall(const std::string& dir, int argc, char** argv);

// Reads a whole regular file of at most maxBytes. Absent when it is missing,
// not a regular file, too large or unreadable. info, when given, receives the
// fstat of what was read.
std::optional<std::string> readSmallFile(const std::string& path, size_t maxBytes, struct stat* info = nullptr);

// Writes beside the target, then renames over it.
bool writeFileAtomic(const std::string& path, std::string_view bytes, mode_t mode);

bool writeAll(int fd, std::string_view bytes);

// A decimal integer, optionally signed, with surrounding white space allowed.
std::optional<long long> parseInteger(std::string_view text);

bool pathExists(const std::string& path);

// One line, line feed added, written with a single call.
void outLine(std::string_view line);
void errLine(std::string_view line);

}  // namespace standin
