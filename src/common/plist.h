// Property lists through libplist: reading any encoding, writing XML, and
// typed access that treats a value of another type as absent.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <plist/plist.h>
#include <string>
#include <vector>

namespace qc {

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using Plist = std::unique_ptr<void, PlistFree>;

// A property list from bytes in any encoding; absent when it does not parse,
// or is too big or too deeply nested to be handed to libplist.
Plist parsePlist(const std::string& bytes);
// The file's root when it is a dictionary; absent when missing, unreadable,
// unparsable or another type.
Plist readPlistDict(const std::string& path);

std::optional<std::string> dictString(plist_t dict, const char* key);
std::optional<bool> dictBool(plist_t dict, const char* key);
std::optional<int64_t> dictInteger(plist_t dict, const char* key);
// An array whose every element is a string; absent otherwise.
std::optional<std::vector<std::string>> dictStringArray(plist_t dict, const char* key);
std::optional<double> dictReal(plist_t dict, const char* key);
// The dictionaries of an array, still owned by dict; absent unless every
// element is a dictionary.
std::optional<std::vector<plist_t>> dictDictArray(plist_t dict, const char* key);

// Builders. Dictionaries are written with their keys in the order they were set.
Plist newDict();
void setString(plist_t dict, const char* key, const std::string& value);
void setBool(plist_t dict, const char* key, bool value);
void setInteger(plist_t dict, const char* key, int64_t value);
void setStringArray(plist_t dict, const char* key, const std::vector<std::string>& values);
void setStringDict(plist_t dict, const char* key, const std::map<std::string, std::string>& values);
void setReal(plist_t dict, const char* key, double value);
// The array of the dictionaries given, which it takes over.
void setDictArray(plist_t dict, const char* key, std::vector<Plist> items);

std::string toXml(plist_t node);

}  // namespace qc
