#include "gui/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "gui/QtText.h"

namespace ravlet::gui {

namespace {
const QMimeData* Data() {
    QClipboard* clip = QGuiApplication::clipboard();
    return clip ? clip->mimeData() : nullptr;
}
}  // namespace

QtClipboard::QtClipboard() {
    SetClipboard(this);
}

QtClipboard::~QtClipboard() {
    SetClipboard(nullptr);
}

bool QtClipboard::HasText() {
    const QMimeData* data = Data();
    return data && data->hasText();
}

bool QtClipboard::HasRichText() {
    const QMimeData* data = Data();
    return data && data->hasHtml();
}

bool QtClipboard::GetText(std::string& text) {
    QClipboard* clip = QGuiApplication::clipboard();
    if (!clip) return false;
    // Programs here end lines with LF; the logic splits lines at CR LF.
    text = CrLfLineEnds(S(clip->text()));
    return true;
}

void QtClipboard::SetText(const std::string& text) {
    if (QClipboard* clip = QGuiApplication::clipboard()) clip->setText(Q(text));
}

void QtClipboard::Clear() {
    if (QClipboard* clip = QGuiApplication::clipboard()) clip->clear();
}

}  // namespace ravlet::gui
