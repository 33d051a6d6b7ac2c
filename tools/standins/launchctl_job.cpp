#include "launchctl_job.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <plist/plist.h>

namespace standin {

namespace {

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

std::optional<std::string> stringValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (!text) return std::nullopt;
    return std::string(text, length);
}

// An array of strings only; absent for anything else.
std::optional<std::vector<std::string>> stringArray(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_ARRAY) return std::nullopt;
    std::vector<std::string> items;
    for (uint32_t i = 0; i < plist_array_get_size(node); ++i) {
        auto item = stringValue(plist_array_get_item(node, i));
        if (!item) return std::nullopt;
        items.push_back(*item);
    }
    return items;
}

// The string values of a dictionary; values of other types are passed over.
std::vector<std::pair<std::string, std::string>> stringDict(plist_t node) {
    std::vector<std::pair<std::string, std::string>> entries;
    if (!node || plist_get_node_type(node) != PLIST_DICT) return entries;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, iter, &key, &value);
        if (!key) break;
        if (auto text = stringValue(value)) entries.emplace_back(key, *text);
        free(key);
    }
    free(iter);
    return entries;
}

}  // namespace

std::optional<Job> parseJob(std::string_view bytes) {
    plist_t node = nullptr;
    if (!bytes.empty() && bytes.size() <= UINT32_MAX)
        plist_from_xml(bytes.data(), static_cast<uint32_t>(bytes.size()), &node);
    PlistPtr root(node);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
    auto item = [&](const char* key) {
        return plist_dict_get_item(root.get(), key);
    };
    auto label = stringValue(item("Label"));
    auto arguments = stringArray(item("ProgramArguments"));
    if (!label || label->empty() || !arguments || arguments->empty()) return std::nullopt;

    // libplist 2.2 stores every integer as PLIST_UINT (renamed PLIST_INT
    // later); a negative one comes back as its two's complement.
    std::optional<long long> interval;
    if (plist_t node = item("StartInterval"); node && plist_get_node_type(node) == PLIST_UINT) {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        interval = static_cast<long long>(value);
    }
    uint8_t runAtLoad = 0;
    if (plist_t node = item("RunAtLoad"); node && plist_get_node_type(node) == PLIST_BOOLEAN)
        plist_get_bool_val(node, &runAtLoad);
    return Job{*label,
               *arguments,
               stringValue(item("StandardOutPath")),
               stringValue(item("StandardErrorPath")),
               stringDict(item("EnvironmentVariables")),
               interval,
               stringArray(item("WatchPaths")).value_or(std::vector<std::string>{}),
               runAtLoad != 0};
}

std::string renderJob(const Service& service, const Job& job, const JobRuns& runs) {
    std::string out = service.domain.name + "/" + service.label + " = {\n";
    out += std::string("\tstate = ") + (runs.pid ? "running" : "not running") + "\n";
    out += "\truns = " + std::to_string(runs.runs) + "\n";
    if (runs.pid) out += "\tpid = " + std::to_string(*runs.pid) + "\n";
    out += "\tlast exit code = " + (runs.lastExit ? std::to_string(*runs.lastExit) : "(never exited)") + "\n";
    if (job.startInterval) out += "\trun interval = " + std::to_string(*job.startInterval) + " seconds\n";
    return out + "}\n";
}

}  // namespace standin
