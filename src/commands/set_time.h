// Setting the clock by hand, and granting or taking away that right.
#pragma once

#include <optional>
#include <string>

namespace qc {

int cmdSetTime(const std::string& text, const std::optional<std::string>& allowUser);
int cmdAllowSetTime(const std::string& userText);
int cmdForbidSetTime();

}  // namespace qc
