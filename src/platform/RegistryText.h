#pragma once
// The text form of the registry file and its model. One section a key, in the order the keys
// were created:
//
//   [HKEY_CURRENT_USER\Software\Example\Sub key]
//   @=text:"C:%5Cfolder"
//   "Contexts"=binary:32
//   "Count"=dword:00000001
//
// "@" is the default value. Names and texts escape '%', '"', ']' and bytes below 0x20 or 0x7F
// as "%HH"; other bytes (UTF-8 included) stand as they are. A line that cannot be read is kept
// as it stands and written back, so a file edited by hand loses nothing.
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"

namespace ravlet {

struct RegKey {
    std::string path;  // hive name and key names, '\' between them
    std::vector<std::pair<std::string, RegValue>> values;
    std::vector<std::string> unread;  // lines of this section that could not be read

    const RegValue* Find(const std::string& name) const;
    void Set(const std::string& name, const RegValue& value);
    bool Erase(const std::string& name);
};

class RegStore {
  public:
    std::vector<std::string> preamble;  // lines before the first section
    std::vector<RegKey> keys;

    RegKey* Find(const std::string& path);
    const RegKey* Find(const std::string& path) const;
    // Adds the key and every missing parent below the hive; returns the key.
    RegKey& Create(const std::string& path);
    void Erase(const std::string& path);
    // The last names of the direct sub-keys of path.
    std::vector<std::string> Children(const std::string& path) const;
};

// Key names joined by a single '\', without empty names.
std::string RegNormalizeKey(const std::string& key);
RegStore RegParse(const std::string& text);
std::string RegFormat(const RegStore& store);

}  // namespace ravlet
