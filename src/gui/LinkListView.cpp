#include "gui/LinkListView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "gui/QtText.h"
#include "main/RowDrag.h"
#include "main/frmMain.h"

namespace ravlet::gui {

LinkListModel::LinkListModel(frmMain& main, QObject* parent)
    : QAbstractListModel(parent), main_(main) {}

int LinkListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(main_.ListLinks().Count());
}

QVariant LinkListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
    const std::size_t row = static_cast<std::size_t>(index.row());
    if (row >= main_.ListLinks().Count()) return QVariant();
    return Q(main_.ListLinks().At(row));
}

void LinkListModel::Reload() {
    beginResetModel();
    endResetModel();
}

LinkListView::LinkListView(frmMain& main, QWidget* parent)
    : QListView(parent), main_(main), model_(main) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { SelectionToLogic(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_) return;
                main_.ListLinks().Current(current.isValid() ? current.row() : -1);
            });
}

void LinkListView::SelectionToLogic() {
    if (syncing_) return;
    LinkList& list = main_.ListLinks();
    list.SelectAll(false);
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        const std::size_t row = static_cast<std::size_t>(index.row());
        if (row < list.Count()) list.Select(row, true);
    }
}

void LinkListView::Sync() {
    const LinkList& list = main_.ListLinks();
    syncing_ = true;
    if (list.Version() != version_ || model_.rowCount() != static_cast<int>(list.Count())) {
        version_ = list.Version();
        model_.Reload();
    }
    // The selection as ranges of rows, so a large list is marked in a few steps.
    QItemSelection selection;
    const std::size_t n = list.Count();
    for (std::size_t i = 0; i < n;) {
        if (!list.Selected(i)) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j + 1 < n && list.Selected(j + 1)) ++j;
        selection.select(model_.index(static_cast<int>(i)), model_.index(static_cast<int>(j)));
        i = j + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const long current = list.Current();
    if (current >= 0 && static_cast<std::size_t>(current) < n)
        selectionModel()->setCurrentIndex(model_.index(static_cast<int>(current)),
                                          QItemSelectionModel::NoUpdate);
    syncing_ = false;
}

void LinkListView::SyncCurrent() {
    const long current = main_.ListLinks().Current();
    if (current < 0 || current >= model_.rowCount()) return;
    syncing_ = true;
    const QModelIndex index = model_.index(static_cast<int>(current));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
    syncing_ = false;
}

long LinkListView::RowAt(const QPoint& pos) const {
    const int height = sizeHintForRow(0);
    const QModelIndex top = indexAt(QPoint(1, 1));
    const long topRow = top.isValid() ? top.row() : 0;
    // The offset of the top row inside the viewport counts, as a partly scrolled row does.
    const int offset = top.isValid() ? visualRect(top).top() : 0;
    return RowUnderPointer(topRow, pos.y() - offset, height, main_.ListLinks().Count());
}

void LinkListView::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) main_.ListLinks_MouseDown(index.row());
        main_.ListLinks_Click();
    }
}

void LinkListView::mouseMoveEvent(QMouseEvent* event) {
    // A drag with the left button moves the row instead of stretching the selection.
    if ((event->buttons() & Qt::LeftButton) && main_.Dragging()) {
        const long before = main_.ListLinks().Version();
        main_.ListLinks_MouseMove(RowAt(event->position().toPoint()));
        if (main_.ListLinks().Version() != before) Sync();
        return;
    }
    QListView::mouseMoveEvent(event);
}

void LinkListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) main_.ListLinks_MouseUp();
}

void LinkListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) main_.EntryInfo();
}

void LinkListView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

void LinkListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    if (model_.rowCount() != 0) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                     Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Type or paste the address of a page into the box above "
                                    "and press Enter,\nor drop an address here: its links "
                                    "are collected into this list."));
}

}  // namespace ravlet::gui
