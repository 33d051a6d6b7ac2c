#include "sync/uptime.h"

#include <cmath>
#include <ctime>

#ifdef __APPLE__
#include <sys/sysctl.h>
#include <sys/time.h>

#include "common/clock.h"
#endif

namespace qc {

double systemUptimeSeconds() {
#ifdef __APPLE__
    int mib[2] = {CTL_KERN, KERN_BOOTTIME};
    struct timeval boot {};
    size_t size = sizeof boot;
    if (sysctl(mib, 2, &boot, &size, nullptr, 0) != 0 || boot.tv_sec == 0) return INFINITY;
    return nowSeconds() - static_cast<double>(boot.tv_sec);
#else
    // The boot-time clock counts from boot, suspend included; a time
    // namespace can move it, which the tests use.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0) return INFINITY;
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
#endif
}

}  // namespace qc
