// Root never reads the network itself. Under root a discovery runs in a
// child process that gives up everything root has before it opens its
// socket, and hands back only bytes, which root checks again.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "common/result.h"

namespace qc {

// The account the child listens as.
inline constexpr const char* kUnprivilegedUser = "nobody";
// The folder the child is shut into, where one is there that only root can
// change (a Mac has it; it holds nothing).
inline constexpr const char* kEmptyFolder = "/var/empty";

// Runs work in a forked child that first drops every privilege, for good:
// every descriptor but the pipe back (standard input and output become
// /dev/null), its view of the file system (chroot to kEmptyFolder when it
// can), the supplementary groups, then the group and the user, both to
// kUnprivilegedUser's, with no way back (it checks that root cannot be
// taken again; on Linux no program it could start gains anything either).
// Returns the bytes work returned, at most maxBytes. Fails, with the line
// to show, when the child cannot start, could not drop root, ended any
// other way than by returning, or sent more.
Result<std::string> runUnprivileged(const std::function<std::string()>& work, size_t maxBytes);

}  // namespace qc
