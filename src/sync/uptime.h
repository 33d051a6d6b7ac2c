// How long ago the system booted.
#pragma once

namespace qc {

// Seconds since boot; positive infinity when the boot time cannot be read.
double systemUptimeSeconds();

}  // namespace qc
