#include "app/ConsoleMainWindow.h"

#include "app/Settings.h"

namespace ravlet {

void ConsoleMainWindow::ShowMainWindow() {
    out_ << "main window shown\n";
}

void ConsoleMainWindow::SetTxtUrl(const std::string& text) {
    out_ << "txtUrl=" << text << "\n";
}

void ConsoleMainWindow::Task_History_Do() {
    out_ << "Task_History_Do\n";
}

void ConsoleMainWindow::doTextParse(const std::string& text) {
    out_ << "doTextParse: " << text.size() << " bytes\n";
}

void ConsoleMainWindow::Task_Buildbase(int mode) {
    out_ << "Task_Buildbase " << mode << "\n";
}

void ConsoleMainWindow::Task_ReRoute_Default() {
    out_ << "Task_ReRoute_Default\n";
}

void ConsoleMainWindow::cGo_Click() {
    out_ << "cGo_Click\n";
}

bool ConsoleMainWindow::Close() {
    std::string error;
    const Settings& s = AppSettings();
    if (!SettingsWriteFile(s, std::string(), &error)) {
        out_ << "settings not written: " << error << "\n";
        return false;
    }
    out_ << "settings written: " << s.settingsFile << "\n";
    return true;
}

}  // namespace ravlet
