#pragma once
// The link list on screen: a view over the logic's ListLinks with multiple selection, rows
// moved by dragging them with the left mouse button, and the context menu on the right one.
// Beside the link, columns show what the download run made of each row (status, size,
// target). A click on a column's header sorts the view by it, ascending, descending, then
// back to the list's own order; the list itself keeps its order, and every command acts on
// the list's rows whatever the view shows.
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QTreeView>

namespace ravlet {
class frmMain;
}

namespace ravlet::gui {

enum LinkColumn : int { Col_Link, Col_Status, Col_Size, Col_Target, Col_Count };

// The list's rows in list order; the outcome columns are read from the logic when drawn.
class LinkListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit LinkListModel(frmMain& main, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The logic's rows changed: everything is read again.
    void Reload();
    // The outcome of row (-1: of any row) changed.
    void OutcomeChanged(long row);

  private:
    frmMain& main_;
};

// The view's sort: compares the logic's values, not their texts, and leaves the rows where
// they are while a run changes their outcomes (the next click sorts again).
class LinkSortModel : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit LinkSortModel(frmMain& main, QObject* parent = nullptr);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    frmMain& main_;
};

class LinkListView : public QTreeView {
    Q_OBJECT
  public:
    LinkListView(frmMain& main, QWidget* parent = nullptr);
    ~LinkListView() override;
    // Draws the logic's rows, selection and current row again.
    void Sync();
    // Moves only the current row, as a running download does after every link.
    void SyncCurrent();
    // The row under a point of the viewport, as the drag counts it.
    long RowAt(const QPoint& pos) const;
    // The list's row of an index of the view, and back.
    long ListRow(const QModelIndex& index) const;
    QModelIndex ViewIndex(long listRow, int column = Col_Link) const;
    // A header click: ascending, descending, then the list's order again.
    void HeaderClicked(int column);
    // The column the view is sorted by, -1 in the list's order.
    int SortColumn() const { return sort_.sortColumn(); }
    LinkListModel& Rows() { return model_; }

  signals:
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A toggle of one row (Ctrl+click) in a selection of many ranges is made in the logic and
    // drawn again whole: Qt would compare the ranges before and after each with each.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    // An empty list tells a new user where to begin instead of staying a blank white area.
    void paintEvent(QPaintEvent* event) override;

  private:
    void SelectionToLogic();
    QItemSelection ViewSelection() const;
    frmMain& main_;
    LinkListModel model_;
    LinkSortModel sort_;
    long version_ = -1;
    bool syncing_ = false;
};

}  // namespace ravlet::gui
