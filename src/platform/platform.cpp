#include "platform/platform.h"

#include <utility>

#include "platform/selftest_platform.h"

namespace qc {

namespace {
// Test mode's, with no test root: the Mac's own settings and clock stay out
// of reach until main chooses.
std::unique_ptr<Platform>& chosenPlatform() {
    static std::unique_ptr<Platform> chosen = selfTestPlatform();
    return chosen;
}
}  // namespace

Platform& platform() {
    return *chosenPlatform();
}

void setPlatform(std::unique_ptr<Platform> chosen) {
    chosenPlatform() = std::move(chosen);
}

ScopedPlatform::ScopedPlatform(std::unique_ptr<Platform> chosen)
    : saved_(std::exchange(chosenPlatform(), std::move(chosen))) {}

ScopedPlatform::~ScopedPlatform() {
    chosenPlatform() = std::move(saved_);
}

}  // namespace qc
