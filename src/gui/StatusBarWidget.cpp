#include "gui/StatusBarWidget.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdint>

#include "tools/ctlStatusBar.h"

namespace ravlet::gui {

namespace {

constexpr std::uint32_t kDarkGrey = 0x666666;   // the overall bar
constexpr std::uint32_t kLightGrey = 0x999999;  // the percent bar in steps mode
constexpr std::uint32_t kInvert = 0xffffff;     // the percent bar in simple mode

// Combines the leftmost percent of the picture with a colour by exclusive-or. Done on the
// pixels themselves: Qt's raster operations are not available on every paint device.
void XorBar(QImage& image, int percent, std::uint32_t rgb) {
    percent = std::clamp(percent, 0, 100);
    const int width = image.width() * percent / 100;
    if (width <= 0) return;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] ^= rgb;
    }
}

}  // namespace

QImage RenderStatusBar(const ctlStatusBar& bar, QSize size, const QFont& font, QColor background,
                       QColor foreground) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(foreground);
        const QFontMetrics metrics(font);
        const QString caption = QString::fromLocal8Bit(
            bar.Caption().data(), static_cast<qsizetype>(bar.Caption().size()));
        painter.drawText(QPoint(2, metrics.ascent() + 1), caption);
    }
    if (bar.Mode() == 1) {
        const int overall = bar.OverallPercent();
        if (overall > 0) XorBar(image, overall, kDarkGrey);
    }
    if (bar.Percent() > 0) XorBar(image, bar.Percent(), bar.Mode() == 1 ? kLightGrey : kInvert);
    return image;
}

StatusBarWidget::StatusBarWidget(ctlStatusBar& bar, QWidget* parent) : QWidget(parent), bar_(bar) {
    setObjectName(QStringLiteral("ctlStatusBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bar_.OnRedraw([this] { update(); });
}

StatusBarWidget::~StatusBarWidget() {
    bar_.OnRedraw(nullptr);
}

QSize StatusBarWidget::sizeHint() const {
    return QSize(300, fontMetrics().height() + 4);
}

QSize StatusBarWidget::minimumSizeHint() const {
    return QSize(40, fontMetrics().height() + 4);
}

void StatusBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0),
                      RenderStatusBar(bar_, size(), font(), palette().color(QPalette::Window),
                                      palette().color(QPalette::WindowText)));
}

}  // namespace ravlet::gui
