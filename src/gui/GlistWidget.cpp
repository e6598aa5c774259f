#include "gui/GlistWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

constexpr int kRow = Glist::kRowHeight;
constexpr int kHoverMs = 300;

// Enter commits, Esc gives up; both are swallowed.
class RenameField : public QLineEdit {
  public:
    RenameField(Glist& model, QWidget* parent) : QLineEdit(parent), model_(model) {
        connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
            model_.RenameEdit(S(t));
            setFixedWidth(std::max(80, fontMetrics().horizontalAdvance(t) + 20));
        });
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            model_.RenameEnter();
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            model_.RenameEscape();
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        model_.RenameCommit();
    }

  private:
    Glist& model_;
};

}  // namespace

GlistWidget::GlistWidget(Glist& model, QWidget* parent)
    : QWidget(parent), model_(model), rename_(new RenameField(model, this)) {
    rename_->hide();
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    model_.onRedraw = [this] { Relayout(); };
    model_.onHeightChanged = [this] { updateGeometry(); };
    hover_.setSingleShot(true);
    connect(&hover_, &QTimer::timeout, this, [this] { unsetCursor(); });
}

GlistWidget::~GlistWidget() {
    model_.onRedraw = nullptr;
    model_.onHeightChanged = nullptr;
}

void GlistWidget::Host(GlistComponent* component, QWidget* widget) {
    hosted_[component] = widget;
    widget->setParent(this);
    Relayout();
}

void GlistWidget::Unhost(GlistComponent* component) {
    hosted_.erase(component);
}

QSize GlistWidget::sizeHint() const {
    return QSize(640, std::max(model_.Height(), kRow));
}

void GlistWidget::Relayout() {
    setMinimumHeight(model_.Height());
    for (int i : model_.VisibleEntries()) {
        GlistComponent* c = model_.EntryControl(i);
        if (!c) continue;
        const auto it = hosted_.find(c);
        if (it == hosted_.end()) continue;
        const int x = model_.Indent(i);
        it->second->setGeometry(x, model_.Top(i) + kRow, std::max(0, width() - x), c->Height());
    }
    if (model_.RenameEntry() == 0) {
        rename_->hide();
    } else if (!rename_->isVisible()) {
        OpenRename();
    }
    update();
}

void GlistWidget::OpenRename() {
    const int i = model_.RenameEntry();
    rename_->setText(Q(model_.RenameText()));
    rename_->setGeometry(model_.Indent(i), model_.Top(i), 200, kRow);
    rename_->show();
    rename_->selectAll();
    rename_->setFocus();
}

void GlistWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const int selected = model_.EntryIndex();
    for (int i : model_.VisibleEntries()) {
        const GlistEntry& e = *model_.Entry(i);
        const int top = model_.Top(i);
        const int indent = model_.Indent(i);
        if (i == selected) {
            p.fillRect(QRect(indent, top, width() - indent, kRow), palette().highlight());
        }
        if (model_.ShowChecks()) {
            QStyleOptionButton box;
            box.rect = QRect(1, top + 3, Glist::kCheckColumn - 2, Glist::kCheckColumn - 2);
            const int state = model_.CheckState(i);
            box.state = QStyle::State_Enabled | (state == 0   ? QStyle::State_Off
                                                 : state == 1 ? QStyle::State_On
                                                              : QStyle::State_NoChange);
            style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &p, this);
        }
        const int boxState = model_.BoxState(i);
        if (boxState != 0) {
            const QRect r(indent - 14, top + 5, 10, 10);
            p.setPen(palette().text().color());
            p.drawRect(r);
            p.drawLine(r.left() + 2, r.center().y(), r.right() - 2, r.center().y());
            if (boxState == 2)
                p.drawLine(r.center().x(), r.top() + 2, r.center().x(), r.bottom() - 2);
        }
        p.setPen(i == selected ? palette().highlightedText().color() : palette().text().color());
        QFont font = p.font();
        font.setBold(e.component == nullptr);
        p.setFont(font);
        p.drawText(QRect(indent + 2, top, width() - indent, kRow), Qt::AlignVCenter, Q(e.caption));
    }
    // The drop indicator.
    const int t = model_.DropTarget();
    if (model_.Dragging() && t != 0) {
        p.setPen(QPen(palette().highlight().color(), 2));
        const int top = model_.Top(t);
        const int x = model_.Indent(t);
        switch (model_.DropMode()) {
            case GlistDrop::Before:
                p.drawLine(x, top, width(), top);
                break;
            case GlistDrop::Into:
                p.drawRect(QRect(x, top, width() - x - 1, kRow - 1));
                break;
            case GlistDrop::After: {
                // Below the last visible row of the target's subtree.
                const int last = t + model_.EntrySubentriesCount(t);
                int bottom = top;
                for (int i : model_.VisibleEntries())
                    if (i >= t && i <= last) bottom = model_.Top(i) + model_.EntryHeight(i);
                p.drawLine(x, bottom - 1, width(), bottom - 1);
                break;
            }
            case GlistDrop::None:
                break;
        }
    }
}

void GlistWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint at = e->position().toPoint();
    model_.MouseDown(at.x(), at.y(), e->modifiers() & Qt::AltModifier);
    setFocus();
    Relayout();
}

void GlistWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    model_.MouseMove(at.x(), at.y(), e->buttons() & Qt::LeftButton);
    UpdatePointer(at.x(), at.y());
}

void GlistWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint at = e->position().toPoint();
    model_.MouseUp(at.x(), at.y());
    Relayout();
}

void GlistWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    model_.DoubleClick(at.x(), at.y());
    Relayout();
}

void GlistWidget::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    model_.Size();
    model_.Draw();
}

void GlistWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Relayout();
}

void GlistWidget::UpdatePointer(int x, int y) {
    switch (model_.PointerShape(x, y)) {
        case 1:
            setCursor(Qt::PointingHandCursor);
            break;
        case 2:
            setCursor(Qt::DragMoveCursor);
            break;
        default:
            unsetCursor();
    }
    hover_.start(kHoverMs);
}

}  // namespace ravlet::gui
