#include "rvbx/Registration.h"

#include <filesystem>
#include <system_error>

#include "platform/AtomicWriteFile.h"
#include "platform/NativeHostManifests.h"
#include "platform/Registry.h"
#include "rvbx/IExec.h"
#include "net/Json.h"

namespace ravlet::rvbx {

namespace {

const std::string kClasses = "Software\\Classes";
const std::string kProgIdKey = kClasses + "\\" + kProgId;
const std::string kClassKey = kClasses + "\\CLSID\\" + kClassId;

void Note(std::string& problem, const std::string& what) {
    if (!problem.empty()) problem += "; ";
    problem += what;
}

bool SetDefault(Registry& reg, const std::string& key, const std::string& text) {
    return reg.CreateKey(RegHive::CurrentUser, key) &&
           reg.SetValue(RegHive::CurrentUser, key, "", RegValue{RegType::Text, text});
}

}  // namespace

std::string HostManifestText(const std::string& hostPath, bool firefox) {
    std::string text = "{\n  \"name\": " + JsonQuote(kNativeHostName) +
                       ",\n  \"description\": \"ravlet: the browser's context-menu entries start "
                       "ravlet\",\n  \"path\": " +
                       JsonQuote(hostPath) + ",\n  \"type\": \"stdio\",\n";
    if (firefox)
        text += "  \"allowed_extensions\": [" + JsonQuote(kFirefoxExtensionId) + "]\n}\n";
    else
        text += "  \"allowed_origins\": [" +
                JsonQuote(std::string("chrome-extension://") + kChromiumExtensionId + "/") +
                "]\n}\n";
    return text;
}

bool RegisterComponent(const std::string& libraryPath, std::string& problem) {
    problem.clear();
    Registry reg;
    if (!SetDefault(reg, kProgIdKey, kProgId) ||
        !SetDefault(reg, kProgIdKey + "\\CLSID", kClassId) ||
        !SetDefault(reg, kClassKey, kProgId) || !SetDefault(reg, kClassKey + "\\ProgID", kProgId) ||
        !SetDefault(reg, kClassKey + "\\InprocServer32", libraryPath))
        Note(problem, "the registry " + reg.File() + ": " + reg.LastError());
    const std::string host =
        (std::filesystem::path(libraryPath).parent_path() / kHostProgram).string();
    for (const NativeHostManifest& m : NativeHostManifests()) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(m.path).parent_path(), ec);
        std::string why;
        if (!AtomicWriteFile(m.path, HostManifestText(host, m.firefox), &why))
            Note(problem, m.path + ": " + why);
    }
    return problem.empty();
}

bool UnregisterComponent(std::string& problem) {
    problem.clear();
    Registry reg;
    const bool registered = reg.KeyExists(RegHive::CurrentUser, kProgIdKey);
    reg.DeleteKey(RegHive::CurrentUser, kProgIdKey, "CLSID");
    reg.DeleteKey(RegHive::CurrentUser, kClasses, kProgId);
    reg.DeleteKey(RegHive::CurrentUser, kClassKey, "ProgID");
    reg.DeleteKey(RegHive::CurrentUser, kClassKey, "InprocServer32");
    reg.DeleteKey(RegHive::CurrentUser, kClasses + "\\CLSID", kClassId);
    if (!registered) Note(problem, std::string(kProgId) + " was not registered");
    for (const NativeHostManifest& m : NativeHostManifests()) {
        std::error_code ec;
        std::filesystem::remove(m.path, ec);
        if (ec) Note(problem, m.path + ": " + ec.message());
    }
    return problem.empty();
}

std::string RegisteredLibrary() {
    Registry reg;
    if (!reg.KeyExists(RegHive::CurrentUser, kProgIdKey)) return std::string();
    const auto path = reg.QueryValue(RegHive::CurrentUser, kClassKey + "\\InprocServer32", "");
    return path ? path->data : std::string();
}

}  // namespace ravlet::rvbx
