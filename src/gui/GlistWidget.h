#pragma once
// Draws a grouped list and hosts the widgets of its components below their caption rows.
// Every mouse action goes to the list model; the widget only paints what it says.
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <map>

#include "filters/Glist.h"

namespace ravlet::gui {

class GlistWidget : public QWidget {
  public:
    explicit GlistWidget(Glist& model, QWidget* parent = nullptr);
    ~GlistWidget() override;

    Glist& Model() { return model_; }
    // The widget that shows a component; the list places it and follows its visibility.
    void Host(GlistComponent* component, QWidget* widget);
    void Unhost(GlistComponent* component);
    // Places the hosted widgets and repaints.
    void Relayout();
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void OpenRename();
    void UpdatePointer(int x, int y);

    Glist& model_;
    std::map<GlistComponent*, QWidget*> hosted_;
    QLineEdit* rename_;
    QTimer hover_;
};

}  // namespace ravlet::gui
