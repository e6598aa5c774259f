#include "gui/LinkListView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "gui/QtText.h"
#include "main/LinkOutcomes.h"
#include "main/RowDrag.h"
#include "main/frmMain.h"

namespace ravlet::gui {

namespace {

const RowOutcome* OutcomeOf(frmMain& main, int row) {
    return row < 0 ? nullptr : main.Downloads().Outcomes().Of(static_cast<std::size_t>(row));
}

// The order of the status column: what is still to come first, failures last.
int StateRank(const RowOutcome* o) {
    return o ? static_cast<int>(o->state) + 1 : 0;
}

}  // namespace

LinkListModel::LinkListModel(frmMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main) {}

int LinkListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(main_.ListLinks().Count());
}

int LinkListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Col_Count;
}

QVariant LinkListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return QVariant();
    const std::size_t row = static_cast<std::size_t>(index.row());
    if (row >= main_.ListLinks().Count()) return QVariant();
    if (role == Qt::TextAlignmentRole && index.column() == Col_Size)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
    if (index.column() == Col_Link) return Q(main_.ListLinks().At(row));
    const RowOutcome* o = OutcomeOf(main_, index.row());
    if (!o) return QVariant();
    switch (index.column()) {
        case Col_Status:
            // The tip tells the whole log line.
            return Q(role == Qt::ToolTipRole && !o->reason.empty() ? o->reason : StatusText(*o));
        case Col_Size:
            return Q(SizeText(*o));
        case Col_Target:
            return Q(o->target);
        default:
            return QVariant();
    }
}

QVariant LinkListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    static const char* const kTitles[] = {"Link", "Status", "Size", "Target"};
    return section >= 0 && section < Col_Count ? QString::fromLatin1(kTitles[section]) : QVariant();
}

void LinkListModel::Reload() {
    beginResetModel();
    endResetModel();
}

void LinkListModel::OutcomeChanged(long row) {
    const int rows = rowCount();
    if (rows == 0 || row >= rows) return;
    const int first = row < 0 ? 0 : static_cast<int>(row);
    const int last = row < 0 ? rows - 1 : first;
    emit dataChanged(index(first, Col_Status), index(last, Col_Target));
}

LinkSortModel::LinkSortModel(frmMain& main, QObject* parent)
    : QSortFilterProxyModel(parent), main_(main) {
    setDynamicSortFilter(false);
}

bool LinkSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const LinkList& list = main_.ListLinks();
    const int l = left.row(), r = right.row();
    if (left.column() == Col_Link) return list.At(l) < list.At(r);
    const RowOutcome* a = OutcomeOf(main_, l);
    const RowOutcome* b = OutcomeOf(main_, r);
    switch (left.column()) {
        case Col_Status:
            // Within a state, skips and failures by their log lines.
            if (StateRank(a) != StateRank(b)) return StateRank(a) < StateRank(b);
            return a && b && a->reason < b->reason;
        case Col_Size:
            return (a ? a->bytes : -1) < (b ? b->bytes : -1);
        case Col_Target:
            return (a ? a->target : std::string()) < (b ? b->target : std::string());
        default:
            return l < r;
    }
}

LinkListView::LinkListView(frmMain& main, QWidget* parent)
    : QTreeView(parent), main_(main), model_(main), sort_(main) {
    sort_.setSourceModel(&model_);
    setModel(&sort_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    // Addresses and paths differ at their ends: the middle gives way.
    setTextElideMode(Qt::ElideMiddle);
    sort_.sort(-1);
    QHeaderView* head = header();
    head->setStretchLastSection(false);
    head->setSectionsClickable(true);
    head->setSortIndicatorShown(false);
    head->setSectionResizeMode(Col_Link, QHeaderView::Stretch);
    head->resizeSection(Col_Status, 230);
    head->resizeSection(Col_Size, 130);
    head->resizeSection(Col_Target, 200);
    connect(head, &QHeaderView::sectionClicked, this, [this](int c) { HeaderClicked(c); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { SelectionToLogic(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_) return;
                main_.ListLinks().Current(current.isValid() ? ListRow(current) : -1);
            });
    main_.Downloads().Outcomes().OnChanged = [this](long row) { model_.OutcomeChanged(row); };
}

LinkListView::~LinkListView() {
    main_.Downloads().Outcomes().OnChanged = nullptr;
}

long LinkListView::ListRow(const QModelIndex& index) const {
    if (!index.isValid()) return -1;
    const QModelIndex source = index.model() == &sort_ ? sort_.mapToSource(index) : index;
    return source.isValid() ? source.row() : -1;
}

QModelIndex LinkListView::ViewIndex(long listRow, int column) const {
    return sort_.mapFromSource(model_.index(static_cast<int>(listRow), column));
}

void LinkListView::HeaderClicked(int column) {
    QHeaderView* head = header();
    // A sort under a selection of many rows would move every selected range one by one:
    // the selection is drawn again afterwards.
    syncing_ = true;
    selectionModel()->clearSelection();
    syncing_ = false;
    if (column != sort_.sortColumn()) {
        sort_.sort(column, Qt::AscendingOrder);
    } else if (sort_.sortOrder() == Qt::AscendingOrder) {
        sort_.sort(column, Qt::DescendingOrder);
    } else {
        sort_.sort(-1);
    }
    head->setSortIndicatorShown(sort_.sortColumn() >= 0);
    if (sort_.sortColumn() >= 0) head->setSortIndicator(column, sort_.sortOrder());
    Sync();
}

void LinkListView::SelectionToLogic() {
    if (syncing_) return;
    LinkList& list = main_.ListLinks();
    list.SelectAll(false);
    const bool listOrder = sort_.sortColumn() < 0;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r) {
            const long row = listOrder ? r : ListRow(sort_.index(r, 0));
            if (row >= 0 && static_cast<std::size_t>(row) < list.Count())
                list.Select(static_cast<std::size_t>(row), true);
        }
}

void LinkListView::Sync() {
    const LinkList& list = main_.ListLinks();
    syncing_ = true;
    if (list.Version() != version_ || model_.rowCount() != static_cast<int>(list.Count())) {
        version_ = list.Version();
        const int column = sort_.sortColumn();
        const Qt::SortOrder order = sort_.sortOrder();
        model_.Reload();
        if (column >= 0) sort_.sort(column, order);
    }
    // Qt tells a change of selection by comparing the old ranges with the new ones, each with
    // each: two selections of thousands of ranges take seconds. Against an empty selection
    // either way the comparison is one pass.
    const QItemSelection selection = ViewSelection();
    if (!selection.isEmpty() && selectionModel()->hasSelection())
        selectionModel()->clearSelection();
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const std::size_t n = list.Count();
    const long current = list.Current();
    if (current >= 0 && static_cast<std::size_t>(current) < n)
        selectionModel()->setCurrentIndex(ViewIndex(current), QItemSelectionModel::NoUpdate);
    syncing_ = false;
}

QItemSelection LinkListView::ViewSelection() const {
    // Runs of selected rows in the view's order, so a large list is marked in a few steps,
    // also when sorted (merging row by row would take quadratic time).
    const LinkList& list = main_.ListLinks();
    const bool listOrder = sort_.sortColumn() < 0;
    const int n = sort_.rowCount();
    QItemSelection selection;
    int start = -1;
    for (int p = 0; p <= n; ++p) {
        bool on = false;
        if (p < n) {
            const long row = listOrder ? p : ListRow(sort_.index(p, 0));
            on = row >= 0 && static_cast<std::size_t>(row) < list.Count() &&
                 list.Selected(static_cast<std::size_t>(row));
        }
        if (on && start < 0) start = p;
        if (!on && start >= 0) {
            selection.append(
                QItemSelectionRange(sort_.index(start, 0), sort_.index(p - 1, Col_Count - 1)));
            start = -1;
        }
    }
    return selection;
}

void LinkListView::SyncCurrent() {
    const long current = main_.ListLinks().Current();
    if (current < 0 || current >= model_.rowCount()) return;
    syncing_ = true;
    const QModelIndex index = ViewIndex(current);
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
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        // Rows move by dragging in the list's own order only: in a sorted view the row
        // under the pointer says nothing about the list's places.
        if (index.isValid() && sort_.sortColumn() < 0) main_.ListLinks_MouseDown(ListRow(index));
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
    QTreeView::mouseMoveEvent(event);
}

void LinkListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) main_.ListLinks_MouseUp();
}

void LinkListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) main_.EntryInfo();
}

QItemSelectionModel::SelectionFlags LinkListView::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    // Beyond this many ranges Qt's comparison costs more than drawing the selection again.
    constexpr qsizetype kManyRanges = 1000;
    const QItemSelectionModel::SelectionFlags command = QTreeView::selectionCommand(index, event);
    if (!(command & QItemSelectionModel::Toggle) || (command & QItemSelectionModel::Current) ||
        !index.isValid() || selectionModel()->selection().size() <= kManyRanges)
        return command;
    const long row = ListRow(index);
    LinkList& list = main_.ListLinks();
    if (row < 0 || static_cast<std::size_t>(row) >= list.Count()) return command;
    list.Select(static_cast<std::size_t>(row), !list.Selected(static_cast<std::size_t>(row)));
    // Qt asks while it handles the event; the view is drawn again right here all the same.
    const_cast<LinkListView*>(this)->Sync();
    return QItemSelectionModel::NoUpdate;
}

void LinkListView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

void LinkListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
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
