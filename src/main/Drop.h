#pragma once
// What is dropped on the main window, as the window system hands it over, and how a dropped
// file is taken.
#include <string>
#include <vector>

namespace ravlet {

struct DropData {
    std::vector<std::string> addresses;  // addresses that are no local file
    std::vector<std::string> files;      // local paths
    std::string html;                    // an HTML fragment: a selection dragged from a page
    std::string text;                    // plain text
};

enum class DroppedFile { Folder, Unreadable, Binary, Html, ListFile };

// A folder, a file that cannot be read, a binary file (a zero byte near its start), an HTML
// file (by its ending, else by a first character "<"), or else a list file.
DroppedFile ClassifyDroppedFile(const std::string& path);

}  // namespace ravlet
