// Wall-clock time and blocking pauses.
#pragma once

#include <chrono>
#include <cstdint>

namespace qc {

// Seconds since 1970, with the fraction.
double nowSeconds();
// Seconds since 1970, the fraction dropped.
int64_t nowWholeSeconds();
void sleepFor(std::chrono::milliseconds duration);

}  // namespace qc
