// File-system operations used across the tool. Files read here are opened so
// that a FIFO or device in their place cannot block or feed the tool.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace qc {

// True when anything exists at the path (links followed).
bool pathExists(const std::string& path);

// The bytes of a regular file; absent when it is missing, unreadable or not
// a regular file.
std::optional<std::string> readRegularFile(const std::string& path);

// Creates a directory and its missing parents with the default mode.
// Returns an error description on failure.
std::optional<std::string> makeDirectories(const std::string& path);

std::string parentDirectory(const std::string& path);

// Deletes a file (or an empty directory); false when nothing was deleted.
bool removeFile(const std::string& path);
// Deletes a directory with everything in it; best effort.
void removeTree(const std::string& path);

// Copies a regular file, atomically; returns an error description on failure.
std::optional<std::string> copyFile(const std::string& from, const std::string& to);

// Creates a new empty file (never through a symbolic link, never over an
// existing file); false when it could not be made.
bool createEmptyFile(const std::string& path, mode_t mode);

// The mode a plain create gives a new file: 0666 less the umask.
mode_t defaultFileMode();

}  // namespace qc
