#include "main/frmOverwrite.h"

#include "net/modFs.h"

namespace ravlet {

const char* const kOverwriteButtonCaptions[6] = {
    "&Overwrite", "&Rename ENTER", "&Retry", "&Skip ESC", "Overwrite &All", "Skip A&ll",
};

std::string OverwriteInfoText(long long currentLength, long long announcedSize) {
    return "Current:\r\n" + std::to_string(currentLength) + " bytes\r\nNew:\r\n" +
           (announcedSize == 0 ? std::string("unknown") : std::to_string(announcedSize) + " bytes");
}

OverwriteQuestion frmOverwrite::Question(const std::string& path) const {
    OverwriteQuestion q;
    q.caption = "Overwrite '" + FileNameOfPath(path) + "' ?";
    q.prompt = "A File already exists. What to do ?";
    q.info = info_;
    q.name = path;
    const std::size_t dot = path.rfind('.');
    q.caret = dot == std::string::npos ? path.size() : dot;
    return q;
}

int frmOverwrite::ButtonOfKey(const KeyPress& key) {
    if (!key.NoModifiers()) return Ow_Closed;
    if (key.key == Key_Enter) return Ow_Rename;
    if (key.key == Key_Escape) return Ow_Skip;
    return Ow_Closed;
}

void frmOverwrite::cCmdNaming_Click(int index) {
    const std::function<void()>& action = index == 0 ? OnChooseFolder : OnNamingMenu;
    if ((index == 0 || index == 1) && action) action();
}

std::string frmOverwrite::Ask(const std::string& path, int& runRule) {
    std::string target = path;
    for (;;) {
        const OverwriteAnswer answer = view_.Show(Question(target), *this);
        switch (answer.button) {
            case Ow_Overwrite:
                return target;
            case Ow_Rename:
                target = answer.name;
                if (!FileExists(target)) return target;
                break;
            case Ow_Retry:
                if (!FileExists(target)) return target;
                break;
            case Ow_OverwriteAll:
                runRule = 1;
                return target;
            case Ow_SkipAll:
                runRule = 2;
                return std::string();
            // Skip, and a window closed without an answer: the existing file stays.
            default:
                return std::string();
        }
    }
}

}  // namespace ravlet
