#include "launchctl_target.h"

#include <charconv>

namespace standin {

namespace {

std::optional<uid_t> parseUid(std::string_view text) {
    unsigned long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    // (uid_t)-1 means "no change" to the kernel, never a real user.
    if (text.empty() || ec != std::errc() || ptr != end || value >= static_cast<uid_t>(-1)) return std::nullopt;
    return static_cast<uid_t>(value);
}

// Splits a leading domain off text; rest receives what follows its "/".
std::optional<Domain> splitDomain(std::string_view text, std::string_view* rest) {
    const size_t slash = text.find('/');
    const std::string_view head = text.substr(0, slash);
    std::string_view tail = slash == std::string_view::npos ? std::string_view() : text.substr(slash + 1);
    Domain domain;
    if (head == "system") {
        domain.kind = DomainKind::System;
        domain.name = "system";
        *rest = tail;
        return domain;
    }
    if ((head != "gui" && head != "user") || slash == std::string_view::npos) return std::nullopt;
    const size_t next = tail.find('/');
    const auto uid = parseUid(tail.substr(0, next));
    if (!uid) return std::nullopt;
    domain.kind = head == "gui" ? DomainKind::Gui : DomainKind::User;
    domain.uid = *uid;
    domain.name = std::string(head) + "/" + std::to_string(*uid);
    *rest = next == std::string_view::npos ? std::string_view() : tail.substr(next + 1);
    return domain;
}

}  // namespace

std::optional<Domain> parseDomain(std::string_view text) {
    std::string_view rest;
    auto domain = splitDomain(text, &rest);
    // A domain target has nothing after the domain, not even a "/".
    if (!domain || domain->name != text) return std::nullopt;
    return domain;
}

std::optional<Service> parseService(std::string_view text) {
    std::string_view rest;
    auto domain = splitDomain(text, &rest);
    if (!domain || rest.empty()) return std::nullopt;
    return Service{*domain, std::string(rest)};
}

std::string domainKey(const Domain& domain) {
    std::string key = domain.name;
    for (char& c : key)
        if (c == '/') c = '_';
    return key;
}

std::optional<Domain> domainFromKey(const std::string& key) {
    std::string name = key;
    if (const size_t underscore = name.find('_'); underscore != std::string::npos) name[underscore] = '/';
    auto domain = parseDomain(name);
    if (!domain || domainKey(*domain) != key) return std::nullopt;
    return domain;
}

std::string notFoundText(const Service& service) {
    std::string text = "Could not find service \"" + service.label + "\" in domain for ";
    switch (service.domain.kind) {
    case DomainKind::System:
        return text + "system";
    case DomainKind::Gui:
        return text + "user gui: " + std::to_string(service.domain.uid);
    case DomainKind::User:
        return text + "user: " + std::to_string(service.domain.uid);
    }
    return text;
}

bool storableLabel(std::string_view label) {
    return !label.empty() && label.front() != '.' && label.find('/') == std::string_view::npos &&
           label.find('\0') == std::string_view::npos;
}

}  // namespace standin
