#include "discovery/listing.h"

#include <algorithm>
#include <locale.h>
#include <wctype.h>

#ifdef __APPLE__
#include <xlocale.h>
#endif

#include "common/text.h"
#include "common/utf8.h"
#include "discovery/exchange.h"

namespace qc {

namespace {

// Case tables of a UTF-8 locale of our own choosing: the process locale
// (plain C under launchd) must not change the order of servers.
locale_t caseLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "en_US.UTF-8", "UTF-8"}) {
            if (locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr))) return l;
        }
        return static_cast<locale_t>(nullptr);
    }();
    return locale;
}

char32_t lowerCodePoint(char32_t cp) {
    if (cp < 0x80) return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp;
    locale_t locale = caseLocale();
    return locale ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), locale)) : cp;
}

std::string countedClients(int64_t clients) {
    return std::to_string(clients) + " client" + (clients == 1 ? "" : "s");
}

}  // namespace

std::string lowercasedName(const std::string& name) {
    auto codePoints = decodeUtf8(name);
    if (!codePoints) return name;
    std::string lowered;
    lowered.reserve(name.size());
    for (char32_t cp : *codePoints) {
        // The one unconditional mapping to two code points: İ becomes i and a combining dot.
        if (cp == 0x0130) {
            lowered += "i\u0307";
            continue;
        }
        appendUtf8(lowered, lowerCodePoint(cp));
    }
    return lowered;
}

void sortByName(std::vector<DiscoveredServer>& servers) {
    // UTF-8 bytes compare in code-point order.
    std::vector<std::pair<std::string, DiscoveredServer>> keyed;
    keyed.reserve(servers.size());
    for (auto& server : servers) keyed.emplace_back(lowercasedName(server.name), std::move(server));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    servers.clear();
    for (auto& entry : keyed) servers.push_back(std::move(entry.second));
}

Result<std::vector<DiscoveredServer>> availableServers() {
    Result<Discovery> found = discover();
    if (!found) return Error{found.error()};
    std::vector<DiscoveredServer>& servers = found->servers;
    std::erase_if(servers, [](const DiscoveredServer& s) { return !s.available(); });
    sortByName(servers);
    return std::move(servers);
}

std::string listedName(const std::string& name) {
    std::string_view rest = name;
    size_t count = 0, cut = 0, length = 1;
    while (!rest.empty()) {
        // Escaped names are UTF-8; a stray byte would count as one.
        if (!decodeOne(rest, length)) length = 1;
        if (++count == kMaxListedName) cut = name.size() - rest.size();
        if (count > kMaxListedName) return name.substr(0, cut) + "\u2026";
        rest.remove_prefix(length);
    }
    return name;
}

std::string serverLine(size_t position, const DiscoveredServer& s) {
    return "  [" + std::to_string(position) + "] " + listedName(s.name) + "  \u2014  " + s.address + "  (stratum " +
           std::to_string(s.stratum) + ", " + s.source + ", v" + s.ver + ", " + countedClients(s.clients) + ")";
}

std::string unavailableLine(const DiscoveredServer& s) {
    const char* reason = !s.accepting ? "not accepting clients" : "not synced yet";
    return "  [-] " + listedName(s.name) + "  \u2014  " + s.address + "  (unavailable: " + reason + ")";
}

std::string foundLine(const DiscoveredServer& s) {
    return "Found " + listedName(s.name) + " at " + s.address + ".";
}

std::optional<size_t> parseSelection(const std::string& line, size_t count) {
    auto number = parseInt64(trimBlanks(line));
    if (!number || *number < 1 || static_cast<uint64_t>(*number) > count) return std::nullopt;
    return static_cast<size_t>(*number);
}

}  // namespace qc
