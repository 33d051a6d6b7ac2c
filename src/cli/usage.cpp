#include "cli/usage.h"

#include "common/console.h"

namespace qc {

const std::string_view kUsageText =
    "Quorvandel Connect \u2014 point this Mac at a Quorvandel time server.\n"
    "\n"
    "This tool is not on the PATH. Run it by its full path:\n"
    "  in the app      /Applications/Quorvandel Connect.app/Contents/Helpers/quorvandel-connect\n"
    "  after setup     /Library/PrivilegedHelperTools/com.quorvandel.connect\n"
    "\n"
    "Usage:\n"
    "  quorvandel-connect discover\n"
    "  sudo quorvandel-connect install [--server <ip>] [--interval <sec>]\n"
    "  sudo quorvandel-connect remove\n"
    "  sudo quorvandel-connect sync --server <ip>\n"
    "  sudo quorvandel-connect set-time <2026-10-09T21:07:38Z> [--allow-user <id>]\n"
    "  sudo quorvandel-connect allow-set-time --user <id>\n"
    "  sudo quorvandel-connect forbid-set-time\n"
    "  quorvandel-connect status\n"
    "\n"
    "set-time sets this Mac's clock by hand (the time in UTC), never earlier than its\n"
    "last sync. allow-set-time lets one user do that from the Connect app without a\n"
    "password; forbid-set-time takes that away.\n";

void usage() {
    err(kUsageText);
}

}  // namespace qc
