#pragma once
// The window's picture under a title bar: offscreen windows have no frame of their own.
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace ravlet::test {

inline QImage WithTitleBar(QWidget& window) {
    const QImage body = window.grab().toImage();
    constexpr int kBar = 30;
    QImage image(body.width(), body.height() + kBar, QImage::Format_RGB32);
    image.fill(QColor(0x30, 0x34, 0x3c));
    QPainter p(&image);
    p.drawImage(0, kBar, body);
    p.drawPixmap(8, 7, window.windowIcon().pixmap(16, 16));
    QFont font = window.font();
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, image.width(), kBar), Qt::AlignCenter, window.windowTitle());
    return image;
}

}  // namespace ravlet::test
