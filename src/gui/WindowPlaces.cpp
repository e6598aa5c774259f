#include "gui/WindowPlaces.h"

#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include "app/Settings.h"
#include "gui/QtText.h"
#include "main/WindowPlace.h"

namespace ravlet::gui {

namespace {

std::vector<WindowRect> ScreenAreas() {
    std::vector<WindowRect> areas;
    // The primary screen first: a window that fits no screen any more goes there.
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (const QScreen* screen : screens) {
        const QRect r = screen->availableGeometry();
        areas.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    return areas;
}

void RestoreRect(QWidget& window, const std::string& place) {
    WindowRect saved;
    if (!ParseWindowRect(place, saved)) return;
    const WindowRect r = PlaceOnScreens(saved, ScreenAreas());
    window.resize(r.width, r.height);
    window.move(r.x, r.y);
}

}  // namespace

bool RestoreMainPlace(QWidget& window) {
    RestoreRect(window, AppSettings().MainWindowPlace);
    return AppSettings().MainWindowMaximized;
}

void StoreMainPlace(const QWidget& window) {
    if (window.isMinimized()) return;
    Settings& s = AppSettings();
    s.MainWindowMaximized = window.isMaximized();
    if (window.isMaximized() || window.isFullScreen()) return;
    s.MainWindowPlace = FormatWindowRect({window.x(), window.y(), window.width(), window.height()});
}

void RestoreRefinerPlace(QWidget& window) {
    int x = 0, y = 0;
    if (!ParseWindowPoint(AppSettings().RefinerPlace, x, y)) return;
    const WindowRect r = PlaceOnScreens({x, y, window.width(), window.height()}, ScreenAreas());
    window.move(r.x, r.y);
}

void StoreRefinerPlace(const QWidget& window) {
    // A refiner that only ran its filters was never on screen: it has no place to keep.
    if (!window.testAttribute(Qt::WA_WState_Created)) return;
    AppSettings().RefinerPlace = FormatWindowPoint(window.x(), window.y());
}

void RestoreLogWindowPlace(QWidget& window) {
    RestoreRect(window, AppSettings().LogWindowPlace);
}

void StoreLogWindowPlace(const QWidget& window) {
    if (window.isMinimized() || window.isMaximized() || window.isFullScreen()) return;
    AppSettings().LogWindowPlace =
        FormatWindowRect({window.x(), window.y(), window.width(), window.height()});
}

DropData DropDataOf(const QMimeData& mime) {
    DropData d;
    for (const QUrl& url : mime.urls()) {
        if (url.isLocalFile())
            d.files.push_back(S(url.toLocalFile()));
        else if (url.isValid() && !url.isEmpty())
            d.addresses.push_back(S(url.toString()));
    }
    if (mime.hasHtml()) d.html = S(mime.html());
    if (mime.hasText()) d.text = S(mime.text());
    return d;
}

bool DropWanted(const QMimeData& mime) {
    return mime.hasUrls() || mime.hasHtml() || mime.hasText();
}

}  // namespace ravlet::gui
