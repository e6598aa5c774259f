#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/AtomicWriteFile.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryText.h"

namespace ravlet {

namespace {

// A file larger than this is not a store of ours; refusing it keeps a stray name from
// filling the memory.
constexpr off_t kMaxStoreBytes = 64 << 20;

const char* HiveName(RegHive hive) {
    return hive == RegHive::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::string FullPath(RegHive hive, const std::string& key) {
    const std::string path = RegNormalizeKey(key);
    return path.empty() ? HiveName(hive) : std::string(HiveName(hive)) + "\\" + path;
}

// Holds the lock file of the store for one read or one read-change-write. Without a lock
// file (a read-only folder) readers go on unlocked: nobody can write there either.
class StoreLock {
  public:
    StoreLock(const std::string& file, bool exclusive) {
        fd_ = open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            while (flock(fd_, exclusive ? LOCK_EX : LOCK_SH) != 0 && errno == EINTR) {
            }
        }
    }
    ~StoreLock() {
        if (fd_ >= 0) close(fd_);  // closing releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

  private:
    int fd_ = -1;
};

bool ReadWhole(const std::string& file, std::string& text, std::string& error) {
    text.clear();
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return true;  // no store yet: every key is missing
        error = file + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    bool ok = fstat(fd, &st) == 0;
    if (!ok) {
        error = file + ": " + std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        error = file + ": not a regular file";
        ok = false;
    } else if (st.st_size > kMaxStoreBytes) {
        error = file + ": too large for a registry file";
        ok = false;
    }
    char buffer[65536];
    while (ok) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = file + ": " + std::strerror(errno);
            ok = false;
        } else if (n == 0) {
            break;
        } else {
            text.append(buffer, static_cast<std::size_t>(n));
            if (text.size() > static_cast<std::size_t>(kMaxStoreBytes)) {
                error = file + ": too large for a registry file";
                ok = false;
            }
        }
    }
    close(fd);
    return ok;
}

bool Load(const std::string& file, RegStore& store, std::string& error) {
    std::string text;
    if (!ReadWhole(file, text, error)) return false;
    store = RegParse(text);
    return true;
}

}  // namespace

Registry::Registry() : file_(ProgramFile("ravlet.reg")) {}

Registry::Registry(std::string file) : file_(std::move(file)) {}

bool Registry::KeyExists(RegHive hive, const std::string& key) const {
    StoreLock lock(file_, false);
    RegStore store;
    if (!Load(file_, store, error_)) return false;
    if (RegNormalizeKey(key).empty()) return true;
    return store.Find(FullPath(hive, key)) != nullptr;
}

std::optional<RegValue> Registry::QueryValue(RegHive hive, const std::string& key,
                                             const std::string& name) const {
    StoreLock lock(file_, false);
    RegStore store;
    if (!Load(file_, store, error_)) return std::nullopt;
    const RegKey* k = store.Find(FullPath(hive, key));
    if (!k) {
        error_ = "key not found";
        return std::nullopt;
    }
    const RegValue* v = k->Find(name);
    if (!v) {
        error_ = "value not found";
        return std::nullopt;
    }
    return *v;
}

std::vector<std::string> Registry::SubKeys(RegHive hive, const std::string& key) const {
    StoreLock lock(file_, false);
    RegStore store;
    if (!Load(file_, store, error_)) return {};
    return store.Children(FullPath(hive, key));
}

std::vector<std::string> Registry::ValueNames(RegHive hive, const std::string& key) const {
    StoreLock lock(file_, false);
    RegStore store;
    std::vector<std::string> names;
    if (!Load(file_, store, error_)) return names;
    if (const RegKey* k = store.Find(FullPath(hive, key))) {
        for (const auto& [name, value] : k->values) names.push_back(name);
    }
    return names;
}

bool Registry::Change(const std::function<bool(RegStore&)>& change) {
    StoreLock lock(file_, true);
    RegStore store;
    if (!Load(file_, store, error_)) return false;
    if (!change(store)) return false;
    return AtomicWriteFile(file_, RegFormat(store), &error_);
}

bool Registry::CreateKey(RegHive hive, const std::string& key) {
    if (RegNormalizeKey(key).empty()) return true;
    return Change([&](RegStore& store) {
        store.Create(FullPath(hive, key));
        return true;
    });
}

bool Registry::SetValue(RegHive hive, const std::string& key, const std::string& name,
                        const RegValue& value) {
    return Change([&](RegStore& store) {
        RegKey* k = store.Find(FullPath(hive, key));
        if (!k) {
            error_ = "key not found";
            return false;
        }
        k->Set(name, value);
        return true;
    });
}

bool Registry::DeleteKey(RegHive hive, const std::string& key, const std::string& sub) {
    const std::string target = RegNormalizeKey(sub);
    if (target.empty()) {
        error_ = "no sub-key named";
        return false;
    }
    return Change([&](RegStore& store) {
        const std::string path = FullPath(hive, key) + "\\" + target;
        if (!store.Find(path)) {
            error_ = "key not found";
            return false;
        }
        if (!store.Children(path).empty()) {
            error_ = "key has sub-keys";
            return false;
        }
        store.Erase(path);
        return true;
    });
}

bool Registry::DeleteValue(RegHive hive, const std::string& key, const std::string& name) {
    return Change([&](RegStore& store) {
        RegKey* k = store.Find(FullPath(hive, key));
        if (!k || !k->Erase(name)) {
            error_ = k ? "value not found" : "key not found";
            return false;
        }
        return true;
    });
}

}  // namespace ravlet
