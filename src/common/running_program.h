// The program this process runs, as the kernel knows it. A path worked out
// from argv[0] names whatever file lies there now; only the file the kernel
// started is the tool itself.
#pragma once

#include <optional>
#include <string>

namespace qc {

// The bytes of the file at path when it is the running program (the same
// device and inode as the kernel's record of it), read from the descriptor
// that was checked; absent when it is another file, or no file at all.
std::optional<std::string> readRunningProgram(const std::string& path);

}  // namespace qc
