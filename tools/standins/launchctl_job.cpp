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

PlistPtr parsePlist(std::string_view bytes) {
    plist_t root = nullptr;
    if (bytes.empty() || bytes.size() > UINT32_MAX) return PlistPtr();
    const auto size = static_cast<uint32_t>(bytes.size());
    // These two keep their argument lists across libplist releases;
    // plist_from_memory does not.
    if (plist_is_binary(bytes.data(), size))
        plist_from_bin(bytes.data(), size, &root);
    else
        plist_from_xml(bytes.data(), size, &root);
    return PlistPtr(root);
}

std::optional<std::string> stringValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (!text) return std::nullopt;
    return std::string(text, length);
}

// libplist 2.2 stores every integer as PLIST_UINT (renamed PLIST_INT later);
// negative values come back as their two's complement.
std::optional<long long> integerValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_UINT) return std::nullopt;
    uint64_t value = 0;
    plist_get_uint_val(node, &value);
    return static_cast<long long>(value);
}

std::optional<bool> boolValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_BOOLEAN) return std::nullopt;
    uint8_t value = 0;
    plist_get_bool_val(node, &value);
    return value != 0;
}

// All elements must be strings when strict; otherwise others are skipped.
std::optional<std::vector<std::string>> stringArray(plist_t node, bool strict) {
    if (!node || plist_get_node_type(node) != PLIST_ARRAY) return std::nullopt;
    std::vector<std::string> items;
    const uint32_t count = plist_array_get_size(node);
    for (uint32_t i = 0; i < count; ++i) {
        auto item = stringValue(plist_array_get_item(node, i));
        if (item)
            items.push_back(*item);
        else if (strict)
            return std::nullopt;
    }
    return items;
}

std::optional<std::vector<std::pair<std::string, std::string>>> stringDict(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_DICT) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> entries;
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

void appendBlock(std::string& out, const char* title, const std::vector<std::string>& lines) {
    out += std::string("\t") + title + " = {\n";
    for (const auto& line : lines) out += "\t\t" + line + "\n";
    out += "\t}\n";
}

}  // namespace

std::optional<Job> parseJob(std::string_view bytes) {
    PlistPtr root = parsePlist(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
    auto item = [&](const char* key) {
        return plist_dict_get_item(root.get(), key);
    };

    Job job;
    auto label = stringValue(item("Label"));
    if (!label || label->empty()) return std::nullopt;
    job.label = *label;
    if (plist_t args = item("ProgramArguments")) {
        job.arguments = stringArray(args, true);
        if (!job.arguments) return std::nullopt;
    }
    if (plist_t program = item("Program")) {
        auto text = stringValue(program);
        if (!text) return std::nullopt;
        job.program = *text;
    } else if (job.arguments && !job.arguments->empty()) {
        job.program = job.arguments->front();
    } else {
        return std::nullopt;
    }
    job.stdoutPath = stringValue(item("StandardOutPath"));
    job.stderrPath = stringValue(item("StandardErrorPath"));
    job.environment = stringDict(item("EnvironmentVariables"));
    job.startInterval = integerValue(item("StartInterval"));
    job.watchPaths = stringArray(item("WatchPaths"), false);
    job.runAtLoad = boolValue(item("RunAtLoad")).value_or(false);
    return job;
}

std::string renderJob(const Service& service, const Job& job, const std::string& path, const JobRuns& runs) {
    const bool system = service.domain.kind == DomainKind::System;
    std::string out = service.domain.name + "/" + service.label + " = {\n";
    out += std::string("\tactive count = ") + (runs.pid ? "1" : "0") + "\n";
    out += "\tpath = " + path + "\n";
    out += std::string("\ttype = ") + (system ? "LaunchDaemon" : "LaunchAgent") + "\n";
    out += std::string("\tstate = ") + (runs.pid ? "running" : "not running") + "\n\n";

    out += "\tprogram = " + job.program + "\n";
    if (job.arguments) appendBlock(out, "arguments", *job.arguments);
    out += "\n";

    if (job.stdoutPath) out += "\tstdout path = " + *job.stdoutPath + "\n";
    if (job.stderrPath) out += "\tstderr path = " + *job.stderrPath + "\n";
    if (job.environment) {
        std::vector<std::string> lines;
        for (const auto& [key, value] : *job.environment) lines.push_back(key + " => " + value);
        appendBlock(out, "environment", lines);
    }
    if (job.stdoutPath || job.stderrPath || job.environment) out += "\n";

    out += "\tdomain = " + service.domain.name + "\n";
    out += "\truns = " + std::to_string(runs.runs) + "\n";
    if (runs.pid) out += "\tpid = " + std::to_string(*runs.pid) + "\n";
    out +=
        "\tlast exit code = " + (runs.lastExit ? std::to_string(*runs.lastExit) : std::string("(never exited)")) + "\n";

    if (job.startInterval) out += "\n\trun interval = " + std::to_string(*job.startInterval) + " seconds\n";
    if (job.watchPaths) {
        out += "\n";
        appendBlock(out, "watch paths", *job.watchPaths);
    }
    out += "}\n";
    return out;
}

}  // namespace standin
