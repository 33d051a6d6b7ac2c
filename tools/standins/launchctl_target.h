// launchd domain and service targets as launchctl spells them:
// "system", "gui/<uid>", "user/<uid>", and "<domain>/<label>".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace standin {

enum class DomainKind { System, Gui, User };

struct Domain {
    DomainKind kind = DomainKind::System;
    uid_t uid = 0;     // owner of a gui or user domain
    std::string name;  // as typed: "gui/501"
};

struct Service {
    Domain domain;
    std::string label;  // everything after the domain and its "/"
};

std::optional<Domain> parseDomain(std::string_view text);
std::optional<Service> parseService(std::string_view text);

// Folder name of a domain in the state tree, and back: "gui/501" <-> "gui_501".
std::string domainKey(const Domain& domain);
std::optional<Domain> domainFromKey(const std::string& key);

// launchctl's words for a service that is not loaded.
std::string notFoundText(const Service& service);

// Labels that can name a folder of the state tree without escaping it.
bool storableLabel(std::string_view label);

}  // namespace standin
