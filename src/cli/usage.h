// The usage text, as help and wrong usage print it.
#pragma once

#include <string_view>

namespace qc {

extern const std::string_view kUsageText;
// Writes the usage text to standard error.
void usage();

}  // namespace qc
