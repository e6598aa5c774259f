#include "gui/FolderAutoComplete.h"

#include <QComboBox>
#include <QCompleter>
#include <QFileSystemModel>
#include <QLineEdit>

namespace ravlet::gui {

namespace {

QCompleter* FolderCompleter(QObject* parent) {
    auto* model = new QFileSystemModel(parent);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath(QString());
    auto* completer = new QCompleter(model, parent);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    return completer;
}

}  // namespace

void EnableFolderAutoComplete(QLineEdit* edit) {
    edit->setCompleter(FolderCompleter(edit));
}

void EnableFolderAutoComplete(QComboBox* box) {
    // The box's history stays in its drop-down; typing completes from the file system.
    box->setCompleter(FolderCompleter(box));
}

}  // namespace ravlet::gui
