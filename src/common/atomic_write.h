// A whole-file write: a unique temporary file in the same folder, written
// in full, flushed to disk, given its mode, then renamed over the target.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "common/result.h"

namespace qc {

// Without a mode the file gets the mode of a plain create (0666 less the
// umask). A failure carries the system's description.
Status atomicWrite(const std::string& path, std::string_view bytes, std::optional<mode_t> mode = std::nullopt);

}  // namespace qc
