// The property lists the tool reads: saved settings, the grant, the sync job,
// the test store (which is written back after a change) and the records of
// the last sync attempt and the clock's answers.
#include <cstdint>
#include <string>

#include "common/plist.h"
#include "settime/audit_record.h"
#include "sync/attempt_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)qc::parseAttemptRecord(bytes);
    (void)qc::parseAuditRecord(bytes);
    qc::Plist root = qc::parsePlist(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return 0;
    plist_t dict = root.get();
    (void)qc::dictString(dict, "timeServer");
    (void)qc::dictBool(dict, "usingNetworkTime");
    (void)qc::dictInteger(dict, "uid");
    (void)qc::dictInteger(dict, "StartInterval");
    (void)qc::dictStringArray(dict, "ProgramArguments");
    qc::setBool(dict, "usingNetworkTime", true);
    (void)qc::toXml(dict);
    return 0;
}
