// Test mode's platform, for an ordinary user with a private test root: the
// time settings live in a property-list store under the root, sntp is the
// stand-in the environment names and gets the server alone, the clock is a
// file, nothing is given to another owner, the user acts as root would, and
// the jobs get the test root in their environment. chown, chmod and xattr
// run as on a Mac, and fail harmlessly for an ordinary user. Every owner,
// mode, quarantine mark, setting and clock a Mac would be given is also a
// line of the record (kMacCallsPath), for the tests to read: "chown 501:0
// <path>", "chmod 644 <path>", "systemsetup -setusingnetworktime on",
// "settimeofday <seconds>", paths relative to the test root. It shares
// nothing with the Mac's platform but the programs of file_programs.h.
#pragma once

#include <memory>

#include "common/paths.h"
#include "platform/file_programs.h"
#include "platform/platform.h"

namespace qc {

// Without a test root, the files stand nowhere and nothing is read.
std::unique_ptr<Platform> selfTestPlatform(TestModePaths paths = {}, Runner runner = run);

}  // namespace qc
