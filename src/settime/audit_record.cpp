#include "settime/audit_record.h"

#include "common/clock.h"
#include "common/paths.h"
#include "common/plist.h"
#include "common/utf8.h"
#include "jobs/state_dir.h"
#include "settime/request_rules.h"

namespace qc {

namespace {

constexpr const char* kEntries = "entries";
constexpr const char* kRequestsOk = "requestsOk";
constexpr const char* kRequestsRefused = "requestsRefused";
constexpr const char* kTime = "time";
constexpr const char* kUid = "uid";
constexpr const char* kVia = "via";
constexpr const char* kOutcome = "outcome";
constexpr const char* kRequested = "requested";

bool oneOf(const std::optional<std::string>& text, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (text == word) return true;
    return false;
}

// The tool writes escaped text only: anything else is damage.
bool isShown(const std::optional<std::string>& text) {
    return !text || escapeControls(*text) == *text;
}

std::optional<AuditEntry> entryFrom(plist_t dict) {
    auto epoch = dictInteger(dict, kTime), uid = dictInteger(dict, kUid);
    auto via = dictString(dict, kVia), outcome = dictString(dict, kOutcome);
    auto requested = dictString(dict, kRequested);
    if (!epoch || !uid || !oneOf(via, {"set-time", "request"}) || !oneOf(outcome, {"ok", "refused", "revoked"}) ||
        !isShown(requested))
        return std::nullopt;
    return AuditEntry{*epoch, *uid, *via, *outcome, requested};
}

std::optional<AuditRecord> recordFrom(plist_t dict) {
    auto items = dictDictArray(dict, kEntries);
    auto ok = dictInteger(dict, kRequestsOk), refused = dictInteger(dict, kRequestsRefused);
    if (!items || items->size() > kAuditEntries || !ok || !refused || *ok < 0 || *refused < 0) return std::nullopt;
    AuditRecord record{{}, *ok, *refused};
    for (plist_t item : *items) {
        auto entry = entryFrom(item);
        if (!entry) return std::nullopt;
        record.entries.push_back(std::move(*entry));
    }
    return record;
}

Status writeRecord(const AuditRecord& record) {
    std::vector<Plist> items;
    for (const auto& entry : record.entries) {
        Plist item = newDict();
        setInteger(item.get(), kTime, entry.epoch);
        setInteger(item.get(), kUid, entry.uid);
        setString(item.get(), kVia, entry.via);
        setString(item.get(), kOutcome, entry.outcome);
        if (entry.requested) setString(item.get(), kRequested, *entry.requested);
        items.push_back(std::move(item));
    }
    Plist dict = newDict();
    setDictArray(dict.get(), kEntries, std::move(items));
    setInteger(dict.get(), kRequestsOk, record.requestsOk);
    setInteger(dict.get(), kRequestsRefused, record.requestsRefused);
    return writeStateRecord(paths().kSetTimeAuditPath, dict.get());
}

}  // namespace

AuditRecord withAnswer(AuditRecord record, AuditEntry entry) {
    if (entry.via == "request" && entry.outcome == "ok") ++record.requestsOk;
    if (entry.via == "request" && entry.outcome == "refused") ++record.requestsRefused;
    record.entries.push_back(std::move(entry));
    if (record.entries.size() > kAuditEntries) record.entries.erase(record.entries.begin());
    return record;
}

Status recordAnswer(const std::string& via, int64_t uid, const std::string& outcome,
                    const std::optional<std::string>& requested) {
    std::optional<std::string> shown;
    if (requested) shown = escapeControls(requested->substr(0, kMaxRequestBytes));
    AuditEntry entry{nowWholeSeconds(), uid, via, outcome, shown};
    return writeRecord(withAnswer(auditRecord().value_or(AuditRecord{}), std::move(entry)));
}

Status restartRequestCounts() {
    auto record = auditRecord();
    if (!record) return {};  // nothing counted yet
    record->requestsOk = record->requestsRefused = 0;
    return writeRecord(*record);
}

std::optional<AuditRecord> auditRecord() {
    return recordFrom(readPlistDict(paths().kSetTimeAuditPath).get());
}

std::optional<AuditRecord> parseAuditRecord(const std::string& bytes) {
    return recordFrom(parsePlist(bytes).get());
}

}  // namespace qc
