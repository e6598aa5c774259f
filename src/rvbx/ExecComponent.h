#pragma once
// The class behind "RVBXmenu.Exec".
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "rvbx/IExec.h"
#include "rvbx/RvbxUi.h"

namespace ravlet::rvbx {

// Starts file with params as one argument; the old shell's result (above 32 when started).
using Launcher = std::function<int(const std::string& file, const std::string& params)>;

// The text for a launch result below 33.
std::string LaunchFailureText(int code);

class ExecComponent final : public IExec {
  public:
    // browserName titles the launch failure messages (the browser whose menu was used).
    ExecComponent(std::shared_ptr<RvbxUi> ui, Launcher launcher, std::string browserName);
    ~ExecComponent() override;
    ExecComponent(const ExecComponent&) = delete;
    ExecComponent& operator=(const ExecComponent&) = delete;

    int DebugMode() const override { return debugMode_; }
    void DebugMode(int vData) override { debugMode_ = vData; }
    void Exec(const std::string& sCmd, const std::string& sParam = std::string()) override;
    void ExecExtLNL(const std::string& sPath, const std::string& sCmd, const std::string& sUrl,
                    const std::string& sData) override;
    void Info(std::string& sText) override;
    bool Exec2(const BrowserValue& external, const BrowserValue& self, const std::string& range,
               BrowserError& error) override;
    void BrowserName(const std::string& name) override { browserName_ = name; }
    std::string LastFailure() const override { return failure_; }
    void Release() override;

    // How many components are alive in this process.
    static int Alive();

  private:
    void Launch(const std::string& file, const std::string& params, const std::string& shown);
    void Fail(const std::string& text, const std::string& shown);

    std::shared_ptr<RvbxUi> ui_;
    Launcher launcher_;
    std::string browserName_;
    int debugMode_ = 0;
    std::string failure_;
    static std::atomic<int> alive_;
};

// The program the menu entries start, in the folder of the menu script.
inline constexpr char kRavletProgram[] = "ravlet";

}  // namespace ravlet::rvbx
