#include "common/plist.h"

#include <cstdlib>

#include "common/files.h"
#include "common/plist_bounds.h"

namespace qc {

// libplist 2.2 calls its integer type PLIST_UINT and keeps the sign in the
// bits of the 64-bit value; 2.3 and later call it PLIST_INT, keep PLIST_UINT
// as an alias and write a negative value made by plist_new_uint as unsigned.
// These two helpers and parsePlist deal with the difference.
namespace {

std::optional<int64_t> integerValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_UINT) return std::nullopt;
    uint64_t raw = 0;
    plist_get_uint_val(node, &raw);
    return static_cast<int64_t>(raw);
}

plist_t newIntegerNode(int64_t value) {
#ifdef QC_PLIST_2_3
    return plist_new_int(value);
#else
    return plist_new_uint(static_cast<uint64_t>(value));
#endif
}

// plist_get_string_val asserts on a string holding a NUL byte, which a file
// can carry; the pointer and length are read without that.
std::optional<std::string> stringValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
    uint64_t length = 0;
    const char* raw = plist_get_string_ptr(node, &length);
    if (!raw) return std::nullopt;
    return std::string(raw, static_cast<size_t>(length));
}

bool isDict(plist_t node) {
    return node && plist_get_node_type(node) == PLIST_DICT;
}

// The dictionary's item under key when it has that type; null otherwise.
plist_t typedItem(plist_t dict, const char* key, plist_type type) {
    if (!isDict(dict)) return nullptr;
    plist_t node = plist_dict_get_item(dict, key);
    return node && plist_get_node_type(node) == type ? node : nullptr;
}

}  // namespace

Plist parsePlist(const std::string& bytes) {
    if (bytes.empty() || !plistWithinBounds(bytes)) return nullptr;
    plist_t root = nullptr;
#ifdef QC_PLIST_2_3
    // 2.3 and later also read JSON and OpenStep text; 2.2, like the Mac's
    // own readers of these files, takes XML and binary only.
    plist_format_t format = PLIST_FORMAT_NONE;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root, &format);
    if (format != PLIST_FORMAT_XML && format != PLIST_FORMAT_BINARY) {
        plist_free(root);
        return nullptr;
    }
#else
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
#endif
    return Plist(root);
}

Plist readPlistDict(const std::string& path) {
    auto bytes = readRegularFile(path, kMaxPlistBytes);
    if (!bytes) return nullptr;
    Plist root = parsePlist(*bytes);
    if (!isDict(root.get())) return nullptr;
    return root;
}

std::optional<std::string> dictString(plist_t dict, const char* key) {
    if (!isDict(dict)) return std::nullopt;
    return stringValue(plist_dict_get_item(dict, key));
}

std::optional<bool> dictBool(plist_t dict, const char* key) {
    plist_t node = typedItem(dict, key, PLIST_BOOLEAN);
    if (!node) return std::nullopt;
    uint8_t value = 0;
    plist_get_bool_val(node, &value);
    return value != 0;
}

std::optional<int64_t> dictInteger(plist_t dict, const char* key) {
    if (!isDict(dict)) return std::nullopt;
    return integerValue(plist_dict_get_item(dict, key));
}

std::optional<std::vector<std::string>> dictStringArray(plist_t dict, const char* key) {
    plist_t node = typedItem(dict, key, PLIST_ARRAY);
    if (!node) return std::nullopt;
    std::vector<std::string> values;
    for (uint32_t i = 0; i < plist_array_get_size(node); ++i) {
        auto value = stringValue(plist_array_get_item(node, i));
        if (!value) return std::nullopt;
        values.push_back(std::move(*value));
    }
    return values;
}

std::optional<double> dictReal(plist_t dict, const char* key) {
    plist_t node = typedItem(dict, key, PLIST_REAL);
    if (!node) return std::nullopt;
    double value = 0;
    plist_get_real_val(node, &value);
    return value;
}

std::optional<std::vector<plist_t>> dictDictArray(plist_t dict, const char* key) {
    plist_t node = typedItem(dict, key, PLIST_ARRAY);
    if (!node) return std::nullopt;
    std::vector<plist_t> items;
    for (uint32_t i = 0; i < plist_array_get_size(node); ++i) {
        plist_t item = plist_array_get_item(node, i);
        if (!isDict(item)) return std::nullopt;
        items.push_back(item);
    }
    return items;
}

Plist newDict() {
    return Plist(plist_new_dict());
}

void setString(plist_t dict, const char* key, const std::string& value) {
    plist_dict_set_item(dict, key, plist_new_string(value.c_str()));
}

void setBool(plist_t dict, const char* key, bool value) {
    plist_dict_set_item(dict, key, plist_new_bool(value ? 1 : 0));
}

void setInteger(plist_t dict, const char* key, int64_t value) {
    plist_dict_set_item(dict, key, newIntegerNode(value));
}

void setStringArray(plist_t dict, const char* key, const std::vector<std::string>& values) {
    plist_t array = plist_new_array();
    for (const auto& value : values) plist_array_append_item(array, plist_new_string(value.c_str()));
    plist_dict_set_item(dict, key, array);
}

void setStringDict(plist_t dict, const char* key, const std::map<std::string, std::string>& values) {
    plist_t inner = plist_new_dict();
    for (const auto& [k, v] : values) plist_dict_set_item(inner, k.c_str(), plist_new_string(v.c_str()));
    plist_dict_set_item(dict, key, inner);
}

void setReal(plist_t dict, const char* key, double value) {
    plist_dict_set_item(dict, key, plist_new_real(value));
}

void setDictArray(plist_t dict, const char* key, std::vector<Plist> items) {
    plist_t array = plist_new_array();
    for (auto& item : items) plist_array_append_item(array, item.release());
    plist_dict_set_item(dict, key, array);
}

std::string toXml(plist_t node) {
    // Written as it stands: iterating or copying a dictionary read from a
    // file would hand libplist keys and strings holding NUL bytes, on which
    // its copy and iteration fail.
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    std::string text = xml ? std::string(xml, length) : std::string();
    free(xml);
    return text;
}

}  // namespace qc
