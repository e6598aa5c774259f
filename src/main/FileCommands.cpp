// The file menu's list files and HTML import.
#include "app/Settings.h"
#include "main/TypeExtension.h"
#include "main/frmMain.h"
#include "net/ListFiles.h"
#include "net/ravlet_url.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

const char kListFilter[] = "ravlet listfiles|*.wls|text files|*.txt|all files|*.*";

std::string Choose(bool save, const std::string& title, const std::string& filter,
                   const std::string& defaultExt = std::string()) {
    FileDialogRequest r;
    r.save = save;
    r.title = title;
    r.filter = filter;
    r.defaultExt = defaultExt;
    return Ui().ChooseFile(r);
}

}  // namespace

std::string HtmlFileFilter(const Settings& s) {
    // Each text-page ending becomes a pattern: ".htm,.php" gives "*.htm;*.php".
    return "HTML files|*.html;*.htm|HTML (and like) files|*" +
           ReplaceAll(s.Scanner_TextTypes, ",", ";*") + "|all files|*.*";
}

void frmMain::OpenListfile(bool append) {
    if (!CommandAllowed(Act_OpenListfile, state_)) return;
    const std::string path =
        Choose(false, append ? "Append Listfile" : "Open Listfile", kListFilter);
    if (path.empty()) return;
    LoadListfile(path, append);
}

void frmMain::LoadListfile(const std::string& path, bool append) {
    ListUndoStep step(undo_);
    // The load serves events: the state keeps other commands off the list meanwhile.
    const int before = state_;
    State(State_Busy);
    std::vector<std::string> rows = append ? list_.Items() : std::vector<std::string>();
    if (!ListLoadFile(path, rows, [this](int percent) { StatusBar.Percent(percent); })) {
        State(before);
        MsgBox("Can't read the list file:\r\n" + path, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    list_.Assign(std::move(rows));
    State(before);
    SetResetList();
    Interface_StatusReady();
}

void frmMain::SaveListfile() {
    FileDialogRequest r;
    r.save = true;
    r.title = "Save Listfile";
    r.filter = kListFilter;
    int type = -1;
    const std::string chosen = Ui().ChooseFileTyped(r, type);
    if (chosen.empty()) return;
    // A name typed without an extension gets the one of the chosen type.
    ListSaveFile(AddTypeExtension(chosen, kListFilter, type), list_.Items());
}

void frmMain::ImportHtmlFile() {
    if (!CommandAllowed(Act_ImportHtml, state_)) return;
    const std::string path = Choose(false, "Import HTML File", HtmlFileFilter(AppSettings()));
    if (path.empty()) return;
    ImportHtmlPath(path);
}

void frmMain::ImportHtmlPath(const std::string& path) {
    ListUndoStep step(undo_);
    State(State_Busy);
    ParsePage(ReadTextFile(path), false);
    SetResetList();
    State(State_ListReady);
}

}  // namespace ravlet
