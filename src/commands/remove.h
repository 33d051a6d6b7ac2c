// The remove command (and its synonym uninstall).
#pragma once

namespace qc {

// Undoes the setup and puts the saved time settings back; always 0.
int cmdRemove();

}  // namespace qc
