// The program this process runs, as the kernel knows it. A path worked out
// from argv[0] names whatever file lies there now; only the file the kernel
// started is the tool itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

namespace qc {

// Which file: its device and inode.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
};

// The file at path (a link followed); absent when there is none.
std::optional<FileIdentity> fileIdentity(const std::string& path);
// The file the running program was started from (on a Mac, the file its
// code is mapped from), however it has been renamed since; absent when the
// system does not say.
std::optional<FileIdentity> runningProgramIdentity();
// The running program's path as the kernel knows it.
std::optional<std::string> runningProgramPath();

// The one rule: a file is the running program when both its device and its
// inode are the running program's (an inode number alone repeats on every
// other file system).
bool isRunningProgram(const FileIdentity& file, const FileIdentity& running);

// The bytes of the file at path when it is the running program, judged on
// the descriptor that was opened (never on the path again) and read from
// it; absent when it is another file, or no file at all. The running
// program's identity is asked for after the open.
std::optional<std::string> readRunningProgram(
    const std::string& path, const std::function<std::optional<FileIdentity>()>& running = runningProgramIdentity);

// The path a "Re-run with sudo" hint names: selfPath when the file there is
// the running program, otherwise the running program's path as the kernel
// knows it, so the hint never names a file someone left under the tool's
// name.
std::string rerunPath(const std::string& selfPath);

}  // namespace qc
