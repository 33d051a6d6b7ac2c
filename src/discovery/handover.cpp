#include "discovery/handover.h"

#include <arpa/inet.h>
#include <cstdint>
#include <cstring>
#include <set>

#include "common/utf8.h"

namespace qc {

namespace {

// Numbers travel in this machine's own byte order: both ends are one program
// on one machine.
template <typename T>
void put(std::string& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void putText(std::string& out, const std::string& text) {
    put(out, static_cast<uint16_t>(text.size()));
    out += text;
}

// Reads the handover front to back; the first thing out of place stops it.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    template <typename T>
    std::optional<T> number() {
        T value;
        if (rest_.size() < sizeof value) return std::nullopt;
        std::memcpy(&value, rest_.data(), sizeof value);
        rest_.remove_prefix(sizeof value);
        return value;
    }
    std::optional<std::string> text(size_t maxBytes) {
        auto length = number<uint16_t>();
        if (!length || *length > maxBytes || *length > rest_.size()) return std::nullopt;
        std::string value(rest_.substr(0, *length));
        rest_.remove_prefix(*length);
        return value;
    }
    std::optional<bool> flag() {
        auto value = number<uint8_t>();
        if (!value || *value > 1) return std::nullopt;
        return *value == 1;
    }
    // Text to be shown: already escaped by the answer's reader, so escaping it
    // again must change nothing.
    std::optional<std::string> shownText() {
        auto value = text(kMaxShownBytes);
        if (!value || escapeControls(*value) != *value) return std::nullopt;
        return value;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

std::optional<DiscoveredServer> readServer(Reader& in) {
    auto id = in.text(kMaxIdBytes);
    auto name = in.shownText(), ver = in.shownText(), source = in.shownText();
    auto address = in.text(INET_ADDRSTRLEN - 1);
    auto stratum = in.number<int64_t>(), clients = in.number<int64_t>();
    auto synced = in.flag(), accepting = in.flag();
    if (!id || !name || !ver || !source || !address || !stratum || !clients || !synced || !accepting)
        return std::nullopt;
    in_addr parsed{};  // four decimal numbers, none with a leading zero
    if (inet_pton(AF_INET, address->c_str(), &parsed) != 1) return std::nullopt;
    return DiscoveredServer{*id, *name, *ver, *stratum, *synced, *accepting, *source, *clients, *address};
}

}  // namespace

std::string packOutcome(const DiscoveryOutcome& outcome) {
    std::string out;
    put(out, static_cast<int32_t>(outcome.socketError));
    put(out, static_cast<uint64_t>(outcome.discovery.notKept));
    put(out, static_cast<uint32_t>(outcome.discovery.servers.size()));
    for (const DiscoveredServer& s : outcome.discovery.servers) {
        for (const std::string* text : {&s.id, &s.name, &s.ver, &s.source, &s.address}) putText(out, *text);
        put(out, s.stratum);
        put(out, s.clients);
        put(out, static_cast<uint8_t>(s.synced));
        put(out, static_cast<uint8_t>(s.accepting));
    }
    return out;
}

std::optional<DiscoveryOutcome> unpackOutcome(std::string_view bytes) {
    if (bytes.size() > kMaxHandoverBytes) return std::nullopt;
    Reader in(bytes);
    auto socketError = in.number<int32_t>();
    auto notKept = in.number<uint64_t>();
    auto count = in.number<uint32_t>();
    // An errno is positive and small, and comes alone.
    if (!socketError || *socketError < 0 || *socketError > 4095 || !notKept || *notKept > kNotKeptBits || !count ||
        *count > kMaxServers)
        return std::nullopt;
    if (*socketError != 0 && (*count != 0 || *notKept != 0)) return std::nullopt;
    DiscoveryOutcome outcome{*socketError, {{}, *notKept}};
    std::set<std::string> ids;
    for (uint32_t i = 0; i < *count; ++i) {
        auto server = readServer(in);
        if (!server || !ids.insert(server->id).second) return std::nullopt;
        outcome.discovery.servers.push_back(std::move(*server));
    }
    if (!in.atEnd()) return std::nullopt;
    return outcome;
}

}  // namespace qc
