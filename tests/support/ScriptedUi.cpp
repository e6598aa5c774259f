#include "support/ScriptedUi.h"

#include "platform/DoEvents.h"

namespace ravlet::test {

ScriptedUi::ScriptedUi() : previous_(&Ui()) {
    SetUi(this);
    DoEventsEveryCall(true);
}

ScriptedUi::~ScriptedUi() {
    DoEventsEveryCall(false);
    SetUi(previous_);
}

MsgAnswer ScriptedUi::Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                              const std::string& title) {
    messages.push_back({text, buttons, icon, title});
    if (onMessage) onMessage();
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return SafeAnswer(buttons);
}

std::string ScriptedUi::ChooseFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) return std::string();
    std::string f = files.front();
    files.pop_front();
    return f;
}

std::string ScriptedUi::ChooseFileTyped(const FileDialogRequest& request, int& typeIndex) {
    typeIndex = 0;
    if (!fileTypes.empty()) {
        typeIndex = fileTypes.front();
        fileTypes.pop_front();
    }
    return ChooseFile(request);
}

std::string ScriptedUi::ChooseFolder(const std::string& title, const std::string& start) {
    FileDialogRequest r;
    r.title = title;
    r.folder = start;
    return ChooseFile(r);
}

bool ScriptedUi::InputBox(const std::string& prompt, const std::string& title,
                          std::string& answer) {
    prompts.push_back({prompt, MsgButtons::OkCancel, MsgIcon::None, title});
    presets.push_back(answer);
    if (inputs.empty()) return false;
    answer = inputs.front();
    inputs.pop_front();
    return true;
}

std::vector<std::string> ScriptedUi::Texts() const {
    std::vector<std::string> texts;
    for (const RecordedMessage& m : messages) texts.push_back(m.text);
    return texts;
}

void ScriptedUi::ServeEvents() {
    ++serveCount;
    if (onServeEvents) onServeEvents();
}

void ScriptedUi::WaitForEvents(int) {
    ++waitCount;
    ServeEvents();
}

}  // namespace ravlet::test
