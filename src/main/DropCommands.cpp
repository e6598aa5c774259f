// Addresses, HTML and files dropped on the main window.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "main/Drop.h"
#include "main/frmMain.h"
#include "net/TextToList.h"
#include "net/ravlet_url.h"

namespace ravlet {

namespace {

// Enough of a file to tell text from binary and a page from a list.
constexpr std::size_t kSniffBytes = 4096;

bool HasHtmlEnding(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".html" || ext == ".htm" || ext == ".xhtml" || ext == ".shtml" || ext == ".shtm";
}

bool HasListEnding(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".wls" || ext == ".txt";
}

// The lines of a dropped text, trimmed, without empty ones.
std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = Trim(line);
        if (!line.empty()) lines.push_back(std::move(line));
        begin = end + 1;
    }
    return lines;
}

}  // namespace

DroppedFile ClassifyDroppedFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) return DroppedFile::Folder;
    if (ec || !std::filesystem::is_regular_file(status)) return DroppedFile::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in) return DroppedFile::Unreadable;
    std::string head(kSniffBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (in.bad()) return DroppedFile::Unreadable;
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (head.find('\0') != std::string::npos) return DroppedFile::Binary;
    if (HasHtmlEnding(path)) return DroppedFile::Html;
    if (HasListEnding(path)) return DroppedFile::ListFile;
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    return first != std::string::npos && head[first] == '<' ? DroppedFile::Html
                                                            : DroppedFile::ListFile;
}

void frmMain::DropOnWindow(const DropData& drop) {
    if (!CommandAllowed(Act_Drop, state_)) return;
    // A drop is one step of the undo history, however many files it brings.
    ListUndoStep step(undo_);
    if (!drop.files.empty()) {
        std::string problems;
        for (const std::string& path : drop.files) {
            switch (ClassifyDroppedFile(path)) {
                case DroppedFile::Html:
                    ImportHtmlPath(path);
                    break;
                case DroppedFile::ListFile:
                    LoadListfile(path, true);
                    break;
                case DroppedFile::Folder:
                    problems += path + " is a folder; ";
                    break;
                case DroppedFile::Unreadable:
                    problems += path + " cannot be read; ";
                    break;
                case DroppedFile::Binary:
                    problems += path + " is no list file and no HTML file; ";
                    break;
            }
        }
        if (!problems.empty()) Interface_Status("Drop: " + problems.substr(0, problems.size() - 2));
        return;
    }
    std::vector<std::string> addresses = drop.addresses;
    if (addresses.empty() && !drop.html.empty()) {
        // A selection dragged from a page is parsed as the browser's selection is.
        doTextParse(drop.html);
        return;
    }
    if (addresses.empty()) addresses = TextLines(drop.text);
    if (addresses.empty()) return;
    if (addresses.size() == 1) {
        // One address waits in the address box for Enter, as a typed one does.
        txtUrl.text = addresses.front();
        Notify(View_Texts);
        view_->FocusUrlBox();
        return;
    }
    TextToList(list_, ListToText(addresses), true);
    Interface_StatusReady();
}

}  // namespace ravlet
