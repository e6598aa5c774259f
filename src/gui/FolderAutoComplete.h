#pragma once
// Folder names completed as they are typed, from the file system (folders only).
class QLineEdit;
class QComboBox;

namespace ravlet::gui {

void EnableFolderAutoComplete(QLineEdit* edit);
void EnableFolderAutoComplete(QComboBox* box);

}  // namespace ravlet::gui
