// The last-sync record and time texts: a value is always 1 or more, and a
// time text read back is written the same way.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/time_text.h"
#include "sync/last_sync.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (auto record = qc::parseLastSync(text); record && *record < 1) std::abort();
    if (auto when = qc::parseTime(text); when && qc::isoText(*when) != text) std::abort();
    return 0;
}
