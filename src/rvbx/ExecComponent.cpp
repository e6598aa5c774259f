#include "rvbx/ExecComponent.h"

#include <utility>

#include "platform/ProgramFolder.h"
#include "rvbx/FrmInfo.h"
#include "rvbx/ScriptFolder.h"
#include "rvbx/SelectionFile.h"

namespace ravlet::rvbx {

std::atomic<int> ExecComponent::alive_{0};

namespace {

const char kCrLf[] = "\r\n";
const char kSelectionMarker[] = "/s:ravlet.l";

bool Read(const BrowserValue& of, const std::string& name, BrowserValue& value,
          BrowserError& error) {
    return GetMember(of, name, value, error);
}

// A value read as text, as a script engine turns it into one.
bool AsText(const BrowserValue& value, std::string& text, BrowserError& error) {
    if (value.kind == BrowserValue::Kind::Object) {
        error = {13, "Type mismatch"};
        return false;
    }
    text = value.text;
    return true;
}

bool HasControlByte(const std::string& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    return false;
}

// The program a menu entry starts: the one in the scripts' folder, which is the program folder
// beside the programs; an installed copy keeps its scripts in the user's configuration folder
// and its programs in the prefix's "bin".
std::string ProgramIn(const std::string& folder, const std::string& name) {
    if (InstallPrefix().empty()) return folder + name;
    return ProgramsFolder() + "/" + name;
}

}  // namespace

std::string LaunchFailureText(int code) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Path not found";
        case 5:
            return "Access denied";
        case 8:
            return "Out of memory";
        default:
            return "A not more specific Error lead not to execute.";
    }
}

ExecComponent::ExecComponent(std::shared_ptr<RvbxUi> ui, Launcher launcher, std::string browserName)
    : ui_(std::move(ui)), launcher_(std::move(launcher)), browserName_(std::move(browserName)) {
    ++alive_;
}

ExecComponent::~ExecComponent() {
    --alive_;
}

int ExecComponent::Alive() {
    return alive_;
}

void ExecComponent::Release() {
    // The component is handed out through a C entry point, so it ends itself as a COM
    // object does; nothing else owns it.
    std::unique_ptr<ExecComponent> self(this);
}

void ExecComponent::Fail(const std::string& text, const std::string& shown) {
    failure_ = text + ": " + shown;
    if (debugMode_ != 0) ui_->Message(text + kCrLf + shown, browserName_, true);
}

void ExecComponent::Launch(const std::string& file, const std::string& params,
                           const std::string& shown) {
    const int code = launcher_(file, params);
    if (code < 33) Fail(LaunchFailureText(code), shown);
}

void ExecComponent::Exec(const std::string& sCmd, const std::string& sParam) {
    failure_.clear();
    Launch(sCmd, sParam, sCmd);
}

void ExecComponent::ExecExtLNL(const std::string& sPath, const std::string& sCmd,
                               const std::string& sUrl, const std::string& sData) {
    failure_.clear();
    // ravlet takes the first "/s:ravlet.l" as the end of the address and one line as its
    // command line: such an address would be misread, so it is not handed over.
    if (sUrl.find(kSelectionMarker) != std::string::npos || HasControlByte(sUrl)) {
        Fail("The page address can't be handed to ravlet", sUrl);
        return;
    }
    const std::string folder = !sPath.empty() && sPath.back() == '/' ? sPath : sPath + "/";
    std::string problem;
    const std::string name = WriteSelectionFile(folder, sData, problem);
    if (name.empty()) {
        Fail(problem, sCmd);
        return;
    }
    Launch(ProgramIn(sPath, sCmd), "/u:" + sUrl + "/s:" + name, sCmd);
}

void ExecComponent::Info(std::string& sText) {
    sText = NormaliseLineEnds(sText);
    ui_->ShowInfo(sText);
}

bool ExecComponent::Exec2(const BrowserValue& external, const BrowserValue& self,
                          const std::string& range, BrowserError& error) {
    failure_.clear();
    BrowserValue args, event, x, y, document, element, selection, textRange, html, location, page;
    if (!Read(external, "menuArguments", args, error) || !Read(args, "event", event, error) ||
        !Read(event, "clientX", x, error) || !Read(event, "clientY", y, error) ||
        !Read(args, "document", document, error) ||
        !CallMember(document, "elementFromPoint", {x, y}, element, error) ||
        !Read(document, "selection", selection, error) ||
        !CallMember(selection, "createRange", {}, textRange, error) ||
        !Read(textRange, "htmlText", html, error) || !Read(args, "location", location, error) ||
        !Read(location, "href", page, error))
        return false;
    std::string htmlText, pageText;
    if (!AsText(html, htmlText, error) || !AsText(page, pageText, error)) return false;

    BrowserValue selfDocument, selfLocation, selfHref;
    std::string scriptAddress, folder, problem;
    if (!Read(self, "document", selfDocument, error) ||
        !Read(selfDocument, "location", selfLocation, error) ||
        !Read(selfLocation, "href", selfHref, error) || !AsText(selfHref, scriptAddress, error))
        return false;
    if (!ScriptFolder(scriptAddress, folder, problem)) {
        failure_ = problem;
        error = {76, "Path not found: " + problem};
        return false;
    }
    debugMode_ = 0;
    if (range != "select") {
        // The page address alone: the command line ravlet would read as a hand-over is not
        // given to it.
        if (pageText.compare(0, 3, "/u:") == 0 || HasControlByte(pageText)) {
            Fail("The page address can't be handed to ravlet", pageText);
            return true;
        }
        Exec(ProgramIn(folder, kRavletProgram), pageText);
        return true;
    }
    if (htmlText.empty()) {
        BrowserValue outer;
        BrowserError readError;
        if (!Read(element, "outerhtml", outer, readError) || !AsText(outer, htmlText, readError)) {
            ui_->Message("Please notify the developer about this error:" + std::string(kCrLf) +
                             std::to_string(readError.number) + ":" + readError.description +
                             kCrLf + "in RVBXmenu.Exec/range=source;emptysourcehandler",
                         "RVBXmenu", false);
        }
    }
    ExecExtLNL(folder, kRavletProgram, pageText, htmlText);
    return true;
}

}  // namespace ravlet::rvbx
