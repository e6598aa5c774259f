// Arbitrary bytes as a filter pad: reading never crashes or hangs, and a pad written from
// what was read reads back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Settings.h"
#include "filters/PadFile.h"
#include "platform/UserInterface.h"

namespace {

// Nobody to ask: every message is answered with its safe answer, silently.
class SilentUi : public ravlet::UserInterface {
  public:
    ravlet::MsgAnswer Message(const std::string&, ravlet::MsgButtons, ravlet::MsgIcon,
                              const std::string&) override {
        return ravlet::MsgAnswer::Ok;
    }
    std::string ChooseFile(const ravlet::FileDialogRequest&) override { return {}; }
    std::string ChooseFolder(const std::string&, const std::string&) override { return {}; }
    void ServeEvents() override {}
    void SetBusy(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SilentUi ui;
    static const bool ready = [] {
        ravlet::SetUi(&ui);
        ravlet::SettingsSetDefaults(ravlet::AppSettings());
        return true;
    }();
    (void)ready;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ravlet::FilterPad pad;
    ravlet::PadRead(pad, bytes);
    const std::string text = ravlet::PadWrite(pad);

    ravlet::FilterPad again;
    if (ravlet::PadRead(again, text).status != ravlet::PadReadStatus::Ok) std::abort();
    if (ravlet::PadWrite(again) != text) std::abort();
    return 0;
}
