#include "platform/RegistryText.h"

#include <algorithm>
#include <cstdint>

namespace ravlet {

namespace {

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Fold(x) == Fold(y); });
}

bool StartsWithFolded(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && SameName(s.substr(0, prefix.size()), prefix);
}

const char kHex[] = "0123456789ABCDEF";

std::string Escape(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '%' || c == '"' || c == ']') {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool Unescape(const std::string& s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size()) return false;
        const int hi = HexDigit(s[i + 1]);
        const int lo = HexDigit(s[i + 2]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return true;
}

bool ParseHexBytes(const std::string& s, std::string& out) {
    if (s.size() % 2 != 0) return false;
    out.clear();
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const int hi = HexDigit(s[i]);
        const int lo = HexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
    }
    return true;
}

std::string HexBytes(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        out += kHex[u >> 4];
        out += kHex[u & 15];
    }
    return out;
}

std::string DwordText(const std::string& data) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i, v >>= 4) out[static_cast<std::size_t>(i)] = kHex[v & 15];
    return out;
}

bool ParseDword(const std::string& s, std::string& out) {
    if (s.size() != 8) return false;
    std::string big;
    if (!ParseHexBytes(s, big)) return false;
    out.assign(big.rbegin(), big.rend());  // stored little-endian
    return true;
}

// One "name=type:payload" line; false when it is not one.
bool ParseValueLine(const std::string& line, std::string& name, RegValue& value) {
    std::size_t eq;
    if (line.rfind("@=", 0) == 0) {
        name.clear();
        eq = 1;
    } else {
        if (line.size() < 3 || line[0] != '"') return false;
        const std::size_t close = line.find('"', 1);
        if (close == std::string::npos || close + 1 >= line.size() || line[close + 1] != '=')
            return false;
        if (!Unescape(line.substr(1, close - 1), name)) return false;
        eq = close + 1;
    }
    const std::string rest = line.substr(eq + 1);
    const std::size_t colon = rest.find(':');
    if (colon == std::string::npos) return false;
    const std::string type = rest.substr(0, colon);
    const std::string payload = rest.substr(colon + 1);
    if (type == "text") {
        if (payload.size() < 2 || payload.front() != '"' || payload.back() != '"') return false;
        const std::string quoted = payload.substr(1, payload.size() - 2);
        value.type = RegType::Text;
        return quoted.find('"') == std::string::npos && Unescape(quoted, value.data);
    }
    if (type == "binary") {
        value.type = RegType::Binary;
        return ParseHexBytes(payload, value.data);
    }
    if (type == "dword") {
        value.type = RegType::Dword;
        return ParseDword(payload, value.data);
    }
    return false;
}

std::string FormatValue(const std::string& name, const RegValue& value) {
    // Appended, not "\"" + text: GCC 12 warns wrongly of overlapping copies for that.
    std::string line = "@=";
    if (!name.empty()) {
        line = "\"";
        line += Escape(name);
        line += "\"=";
    }
    switch (value.type) {
        case RegType::Text:
            return line + "text:\"" + Escape(value.data) + "\"";
        case RegType::Binary:
            return line + "binary:" + HexBytes(value.data);
        case RegType::Dword:
            return line + "dword:" + DwordText(value.data);
    }
    return line;
}

bool KnownHive(const std::string& path) {
    const std::string hive = path.substr(0, path.find('\\'));
    return hive == "HKEY_CURRENT_USER" || hive == "HKEY_LOCAL_MACHINE";
}

}  // namespace

const RegValue* RegKey::Find(const std::string& name) const {
    for (const auto& [n, v] : values) {
        if (SameName(n, name)) return &v;
    }
    return nullptr;
}

void RegKey::Set(const std::string& name, const RegValue& value) {
    for (auto& [n, v] : values) {
        if (SameName(n, name)) {
            v = value;
            return;
        }
    }
    values.emplace_back(name, value);
}

bool RegKey::Erase(const std::string& name) {
    const auto it = std::find_if(values.begin(), values.end(),
                                 [&](const auto& nv) { return SameName(nv.first, name); });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

RegKey* RegStore::Find(const std::string& path) {
    for (RegKey& k : keys) {
        if (SameName(k.path, path)) return &k;
    }
    return nullptr;
}

const RegKey* RegStore::Find(const std::string& path) const {
    return const_cast<RegStore*>(this)->Find(path);
}

RegKey& RegStore::Create(const std::string& path) {
    // Parents first, so a key's section never precedes its parent's.
    for (std::size_t slash = path.find('\\'); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
        const std::string parent = path.substr(0, slash);
        if (parent.find('\\') != std::string::npos && !Find(parent))
            keys.push_back(RegKey{parent, {}, {}});
    }
    if (RegKey* k = Find(path)) return *k;
    keys.push_back(RegKey{path, {}, {}});
    return keys.back();
}

void RegStore::Erase(const std::string& path) {
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [&](const RegKey& k) { return SameName(k.path, path); }),
               keys.end());
}

std::vector<std::string> RegStore::Children(const std::string& path) const {
    std::vector<std::string> names;
    const std::string prefix = path + "\\";
    for (const RegKey& k : keys) {
        if (StartsWithFolded(k.path, prefix) &&
            k.path.find('\\', prefix.size()) == std::string::npos) {
            names.push_back(k.path.substr(prefix.size()));
        }
    }
    return names;
}

std::string RegNormalizeKey(const std::string& key) {
    std::string out;
    std::size_t start = 0;
    while (start <= key.size()) {
        std::size_t end = key.find('\\', start);
        if (end == std::string::npos) end = key.size();
        if (end > start) {
            if (!out.empty()) out += '\\';
            out.append(key, start, end - start);
        }
        start = end + 1;
    }
    return out;
}

RegStore RegParse(const std::string& text) {
    RegStore store;
    RegKey* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::string path;
        if (line.front() == '[' && line.back() == ']' &&
            Unescape(line.substr(1, line.size() - 2), path)) {
            path = RegNormalizeKey(path);
            if (path.find('\\') != std::string::npos && KnownHive(path)) {
                current = &store.Create(path);
                continue;
            }
        }
        std::string name;
        RegValue value;
        if (current && ParseValueLine(line, name, value)) {
            current->Set(name, value);
        } else {
            (current ? current->unread : store.preamble).push_back(line);
        }
    }
    return store;
}

std::string RegFormat(const RegStore& store) {
    std::string out;
    for (const std::string& line : store.preamble) out += line + "\n";
    for (const RegKey& k : store.keys) {
        if (!out.empty()) out += "\n";
        out += '[';
        out += Escape(k.path);
        out += "]\n";
        for (const auto& [name, value] : k.values) out += FormatValue(name, value) + "\n";
        for (const std::string& line : k.unread) out += line + "\n";
    }
    return out;
}

}  // namespace ravlet
