// File-system operations used across the tool. Files read here are opened so
// that a FIFO or device in their place cannot block or feed the tool.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

#include "common/result.h"

namespace qc {

// True when anything exists at the path (links followed).
bool pathExists(const std::string& path);

// The bytes of a regular file; absent when it is missing, unreadable, not a
// regular file, or larger than maxBytes.
std::optional<std::string> readRegularFile(const std::string& path,
                                           size_t maxBytes = std::numeric_limits<size_t>::max());
// Everything left to read from an open regular file whose status is st,
// unless it holds more than maxBytes (it may grow while it is read).
std::optional<std::string> readOpenFile(int fd, const struct stat& st,
                                        size_t maxBytes = std::numeric_limits<size_t>::max());
// The last lastBytes of a regular file (all of it when smaller); absent as above.
std::optional<std::string> readRegularFileTail(const std::string& path, size_t lastBytes);

// Writes every byte to the descriptor, going on after a short write; false
// on an error, with errno saying which.
[[nodiscard]] bool writeAll(int fd, std::string_view bytes);

// Creates a directory and its missing parents with the default mode; a
// failure carries the system's description.
Status makeDirectories(const std::string& path);

std::string parentDirectory(const std::string& path);

// Deletes anything but a directory (a directory stays, whatever it holds).
Status removeFile(const std::string& path);
// Deletes a directory with everything in it, best effort, walking it by
// descriptors: a folder swapped for a link during the walk is never entered.
// Fails when the folder itself is still there afterwards.
Status removeTree(const std::string& path);

// Creates a new empty file (never through a symbolic link, never over an
// existing file).
Status createEmptyFile(const std::string& path, mode_t mode);

// The mode a plain create gives a new file: 0666 less the umask.
mode_t defaultFileMode();

}  // namespace qc
