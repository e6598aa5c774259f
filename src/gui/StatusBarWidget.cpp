#include "gui/StatusBarWidget.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tools/ctlStatusBar.h"

namespace ravlet::gui {

namespace {

constexpr std::uint32_t kDarkGrey = 0x666666;   // the overall bar
constexpr std::uint32_t kLightGrey = 0x999999;  // the percent bar in steps mode
constexpr std::uint32_t kInvert = 0xffffff;     // the percent bar in simple mode

// The pixels from the left edge that percent of the width covers.
int BarWidth(const QImage& image, int percent) {
    return image.width() * std::clamp(percent, 0, 100) / 100;
}

// Combines the leftmost percent of the picture with a colour by exclusive-or. Done on the
// pixels themselves: Qt's raster operations are not available on every paint device.
void XorBar(QImage& image, int percent, std::uint32_t rgb) {
    const int width = BarWidth(image, percent);
    if (width <= 0) return;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] ^= rgb;
    }
}

// Black or white, whichever stands out more from the colour under the text.
QColor Contrasting(QRgb under) {
    const int luminance = (qRed(under) * 299 + qGreen(under) * 587 + qBlue(under) * 114) / 1000;
    return luminance < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QString Local(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QImage RenderStatusBar(const ctlStatusBar& bar, QSize size, const QFont& font, QColor background,
                       QColor foreground) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(background);
    const int overall = bar.Mode() == 1 ? bar.OverallPercent() : 0;
    if (overall > 0) XorBar(image, overall, kDarkGrey);
    if (bar.Percent() > 0) XorBar(image, bar.Percent(), bar.Mode() == 1 ? kLightGrey : kInvert);

    // The texts go on top, stretch by stretch: over a bar in the colour that stands out
    // from that bar, elsewhere in the foreground. Combining the text with the bars instead
    // leaves grey on grey where only one bar lies. The caption stops short of the detail.
    const QString caption = Local(bar.Caption());
    const QString detail = Local(bar.Detail());
    if (caption.isEmpty() && detail.isEmpty()) return image;
    std::vector<int> cuts = {0, BarWidth(image, overall), BarWidth(image, bar.Percent()),
                             image.width()};
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    const int barEnd = std::max(BarWidth(image, overall), BarWidth(image, bar.Percent()));
    const QFontMetrics metrics(font);
    const int detailLeft =
        detail.isEmpty() ? image.width() : image.width() - metrics.horizontalAdvance(detail) - 4;
    QPainter painter(&image);
    painter.setFont(font);
    const int baseline = metrics.ascent() + 1;
    auto draw = [&](const QString& text, int x, int limit) {
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const int left = cuts[i];
            const int right = std::min(cuts[i + 1], limit);
            if (right <= left) continue;
            painter.setPen(left < barEnd ? Contrasting(image.pixel(left, 0)) : foreground);
            painter.setClipRect(QRect(left, 0, right - left, image.height()));
            painter.drawText(QPoint(x, baseline), text);
        }
    };
    if (!caption.isEmpty()) draw(caption, 2, detailLeft - 8);
    if (!detail.isEmpty()) draw(detail, detailLeft, image.width());
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
