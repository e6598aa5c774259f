#pragma once
// Draws a ctlStatusBar: the overall bar (exclusive-or with dark grey, steps mode only), the
// percent bar (exclusive-or with light grey in steps mode, inverted pixels in simple mode), and
// the caption at the top left and the detail (a run's overall progress) at the right over them,
// in black or white over a bar, whichever stands out.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QWidget>

namespace ravlet {
class ctlStatusBar;
}

namespace ravlet::gui {

// The picture of the bar at a size: the widget paints it, tests read its pixels.
QImage RenderStatusBar(const ctlStatusBar& bar, QSize size, const QFont& font, QColor background,
                       QColor foreground);

class StatusBarWidget : public QWidget {
    Q_OBJECT
  public:
    // bar is not owned and must outlive the widget; the widget listens for its redraws.
    explicit StatusBarWidget(ctlStatusBar& bar, QWidget* parent = nullptr);
    ~StatusBarWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ctlStatusBar& bar_;
};

}  // namespace ravlet::gui
