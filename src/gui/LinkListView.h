#pragma once
// The link list on screen: a view over the logic's ListLinks with multiple selection, rows
// moved by dragging them with the left mouse button, and the context menu on the right one.
#include <QAbstractListModel>
#include <QListView>

namespace ravlet {
class frmMain;
}

namespace ravlet::gui {

class LinkListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit LinkListModel(frmMain& main, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The logic's rows changed: everything is read again.
    void Reload();

  private:
    frmMain& main_;
};

class LinkListView : public QListView {
    Q_OBJECT
  public:
    LinkListView(frmMain& main, QWidget* parent = nullptr);
    // Draws the logic's rows, selection and current row again.
    void Sync();
    // Moves only the current row, as a running download does after every link.
    void SyncCurrent();
    // The row under a point of the viewport, as the drag counts it.
    long RowAt(const QPoint& pos) const;

  signals:
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // An empty list tells a new user where to begin instead of staying a blank white area.
    void paintEvent(QPaintEvent* event) override;

  private:
    void SelectionToLogic();
    frmMain& main_;
    LinkListModel model_;
    long version_ = -1;
    bool syncing_ = false;
};

}  // namespace ravlet::gui
