// Any datagram, against the query's nonce: dropped or a whole record.
#include <arpa/inet.h>
#include <cstdint>
#include <cstdlib>

#include "discovery/datagram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    in_addr sender{};
    sender.s_addr = htonl(0xC0A80114);  // 192.168.1.20
    auto server = qc::parseAnswer(data, size, sender, "0123abcd");
    // The address always comes from the sender, whatever the payload says.
    if (server && server->address != "192.168.1.20") std::abort();
    return 0;
}
