// The list and clipboard commands of RvCommand.
#include <algorithm>

#include "main/frmMain.h"
#include "net/TextToList.h"
#include "net/ravlet_url.h"
#include "platform/Clipboard.h"

namespace ravlet {

void frmMain::CopyToClipboard(const std::string& text) {
    Clipboard& clip = SystemClipboard();
    clip.Clear();
    clip.SetText(text);
}

// The selection as one set of rows, highest first: copies list the last selected row first.
std::vector<std::size_t> frmMain::SelectedRowsDescending() const {
    std::vector<std::size_t> rows;
    for (std::size_t i = list_.Count(); i-- > 0;)
        if (list_.Selected(i)) rows.push_back(i);
    return rows;
}

void frmMain::CopySelected(bool withBase) {
    std::vector<std::string> texts;
    for (std::size_t row : SelectedRowsDescending())
        texts.push_back(withBase ? BaseSafe(list_.At(row)) : list_.At(row));
    CopyToClipboard(ListToText(texts));
}

void frmMain::PasteEntry() {
    Clipboard& clip = SystemClipboard();
    std::string text;
    if (!clip.HasText() || !clip.GetText(text) || text.empty()) return;
    if (AddLinkUnique(list_, text)) list_.Current(static_cast<long>(list_.Count()) - 1);
    Notify(View_List);
}

void frmMain::DeleteSelected() {
    for (std::size_t row : SelectedRowsDescending()) {
        if (row >= list_.Count()) continue;
        list_.Remove(row);
        const long count = static_cast<long>(list_.Count());
        const long r = static_cast<long>(row);
        list_.Current(count == 0 ? -1 : (r < count ? r : count - 1));
    }
    Notify(View_List);
}

void frmMain::PasteList() {
    Clipboard& clip = SystemClipboard();
    std::string text;
    if (!clip.HasText() || !clip.GetText(text)) return;
    TextToList(list_, text, true);
    Notify(View_List);
}

void frmMain::Paste() {
    Clipboard& clip = SystemClipboard();
    std::string text;
    if (!clip.HasText() || !clip.GetText(text)) return;
    RvCommand(text.find("\r\n") != std::string::npos ? Cmd_PasteList : Cmd_PasteEntry);
}

void frmMain::SortList() {
    std::vector<std::string> rows = list_.Items();
    // Character codes decide, as unsigned bytes: capitals before small letters.
    std::sort(rows.begin(), rows.end());
    list_.Assign(std::move(rows));
    Notify(View_List);
}

}  // namespace ravlet
