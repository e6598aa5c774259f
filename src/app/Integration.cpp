#include "app/Integration.h"

#include <filesystem>
#include <system_error>

#include "platform/NativeHostManifests.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/StartProgram.h"
#include "platform/SystemPanels.h"

namespace ravlet {

namespace {

std::string EntryKey(const char* caption) {
    return std::string(kMenuExtKey) + "\\" + caption;
}

void Register(bool install) {
    const std::string tool = ComponentFolder() + "/" + kRegistrationTool;
    const std::string library = ComponentFolder() + "/" + kComponentLibrary;
    std::vector<std::string> args;
    if (!install) args.push_back("/u");
    args.push_back("/s");
    args.push_back(library);
    StartProgram(tool, args);
}

bool WriteEntry(Registry& reg, const char* caption, const char* script, bool contexts) {
    const std::string key = EntryKey(caption);
    if (!reg.CreateKey(RegHive::CurrentUser, key)) return false;
    bool ok =
        reg.SetValue(RegHive::CurrentUser, key, "", RegValue{RegType::Text, ProgramFile(script)});
    if (contexts)
        ok = reg.SetValue(RegHive::CurrentUser, key, "Contexts",
                          RegValue{RegType::Binary, std::string(1, kSelectionContexts)}) &&
             ok;
    return ok;
}

std::string EntryStatus(const Registry& reg, const char* caption) {
    const std::string key = EntryKey(caption);
    if (!reg.KeyExists(RegHive::CurrentUser, key)) return std::string(caption) + ": not installed";
    const auto script = reg.QueryValue(RegHive::CurrentUser, key, "");
    const auto contexts = reg.QueryValue(RegHive::CurrentUser, key, "Contexts");
    std::string line = std::string(caption) + ": " + (script ? script->data : "(no script)");
    if (contexts) {
        static const char kHex[] = "0123456789abcdef";
        line += " (Contexts";
        for (const char c : contexts->data) {
            const auto b = static_cast<unsigned char>(c);
            line += std::string(" 0x") + kHex[b >> 4] + kHex[b & 15];
        }
        line += ")";
    }
    return line;
}

}  // namespace

bool SetIntegration(int mode) {
    Registry reg;
    if (mode == 1) {
        // Only the page entry counts, and only then is the component registered.
        WriteEntry(reg, kSelectionCaption, kSelectionScript, true);
        const bool ok = WriteEntry(reg, kPageCaption, kPageScript, false);
        if (ok) Register(true);
        return ok;
    }
    Register(false);
    reg.DeleteKey(RegHive::CurrentUser, kMenuExtKey, kPageCaption);
    return reg.DeleteKey(RegHive::CurrentUser, kMenuExtKey, kSelectionCaption);
}

bool OpenInternetSettings() {
    return OpenNetworkSettings();
}

bool InternetSettingsAvailable() {
    return NetworkSettingsAvailable();
}

std::vector<std::string> IntegrationStatus() {
    Registry reg;
    std::vector<std::string> lines;
    lines.push_back(EntryStatus(reg, kSelectionCaption));
    lines.push_back(EntryStatus(reg, kPageCaption));
    const std::string classKey = "Software\\Classes\\RVBXmenu.Exec";
    lines.push_back(
        std::string("component RVBXmenu.Exec: ") +
        (reg.KeyExists(RegHive::CurrentUser, classKey) ? "registered" : "not registered"));
    for (const NativeHostManifest& m : NativeHostManifests()) {
        std::error_code ec;
        lines.push_back(m.browser + " host manifest " + m.path + ": " +
                        (std::filesystem::is_regular_file(m.path, ec) ? "present" : "missing"));
    }
    return lines;
}

}  // namespace ravlet
