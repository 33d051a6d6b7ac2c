// The property lists the tool reads: saved settings, the grant, the sync job
// and the test store (which is written back after a change).
#include <cstdint>
#include <string>

#include "common/plist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qc::Plist root = qc::parsePlist(std::string(reinterpret_cast<const char*>(data), size));
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
