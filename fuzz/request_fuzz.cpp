// The bytes of a request file, up to the decision: dropped, refused as not
// made just now, revoked, or a clock setting (which may still be refused as
// not a time).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/time_text.h"
#include "settime/request_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The handler reads at most this much, once.
    std::string bytes(reinterpret_cast<const char*>(data), size < qc::kMaxRequestBytes ? size : qc::kMaxRequestBytes);
    auto request = qc::parseRequest(bytes);
    if (!request) return 0;
    if (request->nonce.size() < 8 || request->nonce.size() > 32) std::abort();
    if (qc::isAnsweredIn(*request, request->nonce + " ok clock set to x\n") == false) std::abort();
    if (request->command == "revoke") return 0;
    if (auto when = qc::parseTime(request->command); when && qc::isoText(*when) != request->command) std::abort();
    return 0;
}
