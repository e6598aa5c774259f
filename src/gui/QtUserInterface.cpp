#include "gui/QtUserInterface.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

QMessageBox::StandardButtons Buttons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return QMessageBox::Ok;
        case MsgButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case MsgButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon Icon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return QMessageBox::NoIcon;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// Closing the box without a button gives the answer that changes nothing.
MsgAnswer Answer(int button, MsgButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Abort:
            return MsgAnswer::Abort;
        case QMessageBox::Retry:
            return MsgAnswer::Retry;
        case QMessageBox::Ignore:
            return MsgAnswer::Ignore;
        default:
            break;
    }
    return SafeAnswer(buttons);
}

}  // namespace

QtUserInterface::QtUserInterface() {
    SetUi(this);
}

QtUserInterface::~QtUserInterface() {
    while (busy_ > 0) SetBusy(false);
    SetUi(nullptr);
}

QString QtUserInterface::Title(const std::string& title) const {
    if (!title.empty()) return Q(title);
    return owner_ ? owner_->windowTitle() : QStringLiteral("ravlet");
}

MsgAnswer QtUserInterface::Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
    QMessageBox box(Icon(icon), Title(title), QLines(text), Buttons(buttons), owner_);
    if (buttons == MsgButtons::YesNoCancel) box.setDefaultButton(QMessageBox::Cancel);
    return Answer(box.exec(), buttons);
}

QString QtNameFilter(const std::string& filter) {
    const QStringList parts = Q(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::string QtUserInterface::ChooseFile(const FileDialogRequest& request) {
    int typeIndex = 0;
    return ChooseFileTyped(request, typeIndex);
}

std::string QtUserInterface::ChooseFileTyped(const FileDialogRequest& request, int& typeIndex) {
    typeIndex = -1;
    QFileDialog dialog(owner_, Q(request.title), Q(request.folder), QtNameFilter(request.filter));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));
    if (request.save && !request.defaultExt.empty()) {
        QString ext = Q(request.defaultExt);
        if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
        dialog.setDefaultSuffix(ext);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::string();
    const QStringList types = QtNameFilter(request.filter).split(QStringLiteral(";;"));
    typeIndex = static_cast<int>(types.indexOf(dialog.selectedNameFilter()));
    return S(dialog.selectedFiles().first());
}

std::string QtUserInterface::ChooseFolder(const std::string& title, const std::string& start) {
    return S(QFileDialog::getExistingDirectory(owner_, Q(title), Q(start)));
}

bool QtUserInterface::ControlKeyHeld() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void QtUserInterface::ServeEvents() {
    QCoreApplication::processEvents();
}

void QtUserInterface::WaitForEvents(int maxMs) {
    // The timer bounds the wait when no event comes.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtUserInterface::SetBusy(bool busy) {
    if (busy) {
        ++busy_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_ > 0) {
        --busy_;
        QApplication::restoreOverrideCursor();
    }
}

bool QtUserInterface::InputBox(const std::string& prompt, const std::string& title,
                               std::string& answer) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner_, Title(title), Q(prompt), QLineEdit::Normal, Q(answer), &ok);
    if (!ok) return false;
    answer = S(text);
    return true;
}

}  // namespace ravlet::gui
