// The version of this build, as the build set it (see cmake/version.cmake).
#pragma once

#include <string_view>

namespace qc {

std::string_view toolVersion();

}  // namespace qc
