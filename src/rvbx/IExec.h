#pragma once
// The automation interface of the browser component "RVBXmenu.Exec": what the menu scripts
// (here the native messaging host) call. Objects come from DllGetClassObject and end with
// Release.
#include <string>

#include "rvbx/BrowserObject.h"

namespace ravlet::rvbx {

inline constexpr char kProgId[] = "RVBXmenu.Exec";

class IExec {
  public:
    // When non-zero, launch failures are shown in a message box; 0 after creation.
    virtual int DebugMode() const = 0;
    virtual void DebugMode(int vData) = 0;
    // Starts a program or opens a document, with sParam as its one argument.
    virtual void Exec(const std::string& sCmd, const std::string& sParam = std::string()) = 0;
    // Writes sData to a selection file in the folder sPath and starts sPath + sCmd with
    // "/u:" + sUrl + "/s:" + the file's name.
    virtual void ExecExtLNL(const std::string& sPath, const std::string& sCmd,
                            const std::string& sUrl, const std::string& sData) = 0;
    // Shows sText in a new information window; sText receives it with normalised line ends.
    virtual void Info(std::string& sText) = 0;
    // The menu entries' call: reads the page (and for range "select" the selection) from the
    // browser's objects and starts ravlet of the folder that self's script lies in. False
    // with the error when a browser object refused a read.
    virtual bool Exec2(const BrowserValue& external, const BrowserValue& self,
                       const std::string& range, BrowserError& error) = 0;

    // Not for scripts: the host names the browser whose menu was used, the title of the
    // launch failure messages.
    virtual void BrowserName(const std::string& name) = 0;
    // Why the last call started nothing, whether or not it was shown; "" when it did.
    virtual std::string LastFailure() const = 0;
    virtual void Release() = 0;

  protected:
    virtual ~IExec() = default;
};

}  // namespace ravlet::rvbx
