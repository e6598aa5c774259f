#pragma once
// The registry of this platform: keys and values kept in one text file in the program folder
// ("ravlet.reg"), shared by every process of ravlet (the window, ravlet-cli, the component's
// registration tool). Each change reads the file, changes it and writes it back through a
// temporary file and a rename under a lock, so two processes never lose each other's entries
// and a reader never sees half a file. Key names are compared without regard to ASCII case, as
// the keys of the browsers' and managers' conventions are; their case is kept as first written.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ravlet {

class RegStore;

enum class RegHive {
    CurrentUser,   // "HKEY_CURRENT_USER"
    LocalMachine,  // "HKEY_LOCAL_MACHINE"
};

enum class RegType {
    Text,    // bytes of a text, stored without a trailing NUL
    Binary,  // raw bytes
    Dword,   // four bytes, little-endian
};

struct RegValue {
    RegType type = RegType::Text;
    std::string data;

    bool operator==(const RegValue&) const = default;
};

// One store. Keys are paths of names separated by '\' below a hive; empty names (a leading,
// doubled or trailing '\') are ignored. A value name "" is the key's default value.
class Registry {
  public:
    // The program folder's store.
    Registry();
    // Another file (tests, tools).
    explicit Registry(std::string file);

    const std::string& File() const { return file_; }
    // Why the last failing call failed (unreadable or unwritable file, missing key, ...).
    const std::string& LastError() const { return error_; }

    bool KeyExists(RegHive hive, const std::string& key) const;
    // Creates the key and every missing parent; true when the key exists afterwards.
    bool CreateKey(RegHive hive, const std::string& key);
    // Sets a value of an existing key; false when the key is missing or the file cannot be
    // written.
    bool SetValue(RegHive hive, const std::string& key, const std::string& name,
                  const RegValue& value);
    std::optional<RegValue> QueryValue(RegHive hive, const std::string& key,
                                       const std::string& name) const;
    // Deletes the sub-key sub of key with its values; false when it is missing or still has
    // sub-keys of its own (they are deleted one by one, deepest first).
    bool DeleteKey(RegHive hive, const std::string& key, const std::string& sub);
    bool DeleteValue(RegHive hive, const std::string& key, const std::string& name);
    // The names of the direct sub-keys, in the order they were created.
    std::vector<std::string> SubKeys(RegHive hive, const std::string& key) const;
    std::vector<std::string> ValueNames(RegHive hive, const std::string& key) const;

  private:
    // Reads the store, lets change alter it and writes it back, all under the exclusive lock;
    // nothing is written when change answers false.
    bool Change(const std::function<bool(RegStore&)>& change);

    std::string file_;
    mutable std::string error_;
};

}  // namespace ravlet
