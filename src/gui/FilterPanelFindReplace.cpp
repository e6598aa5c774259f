// The editing panel of "Find (and Replace)".
#include <functional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "gui/FilterGenWidget.h"
#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

// A text field that selects its whole text when it is entered.
class SelectingLineEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    // Called when the user enters the field (by mouse, key or shortcut).
    std::function<void()> entered;

  protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
        const Qt::FocusReason r = e->reason();
        if (entered && (r == Qt::MouseFocusReason || r == Qt::TabFocusReason ||
                        r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason))
            entered();
    }
};

QButtonGroup* Options(QWidget* owner, QGridLayout* grid, int row,
                      std::initializer_list<const char*> labels) {
    auto* group = new QButtonGroup(owner);
    int id = 0;
    for (const char* label : labels) {
        auto* b = new QRadioButton(QString::fromLatin1(label), owner);
        group->addButton(b, id);
        grid->addWidget(b, row, 1 + id++);
    }
    return group;
}

class FilterPanelFindReplace : public FilterPanel {
  public:
    FilterPanelFindReplace(FilterGen& filter, QWidget* parent) : FilterPanel(parent), f_(filter) {
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(QStringLiteral("Find:"), this), 0, 0);
        find_ = new SelectingLineEdit(this);
        find_->setMinimumWidth(300);
        grid->addWidget(find_, 0, 1, 1, 3);
        case_ = new QCheckBox(QStringLiteral("case"), this);
        grid->addWidget(case_, 0, 4);
        grid->addWidget(new QLabel(QStringLiteral("Where:"), this), 1, 0);
        pos_ = Options(this, grid, 1, {"anywhere", "at the front", "at the back"});
        grid->addWidget(new QLabel(QStringLiteral("Action:"), this), 2, 0);
        action_ = Options(this, grid, 2, {"match", "cut", "replace:"});
        matchnot_ = new QCheckBox(QStringLiteral("NOT"), this);
        grid->addWidget(matchnot_, 2, 4);
        replace_ = new SelectingLineEdit(this);
        grid->addWidget(replace_, 3, 1, 1, 3);

        connect(find_, &QLineEdit::textEdited, this,
                [this](const QString& t) { f_.findReplace.find = S(t); });
        connect(case_, &QCheckBox::toggled, this,
                [this](bool on) { f_.findReplace.caseSensitive = on; });
        connect(matchnot_, &QCheckBox::toggled, this,
                [this](bool on) { f_.findReplace.matchnot = on; });
        connect(pos_, &QButtonGroup::idClicked, this, [this](int id) { f_.findReplace.pos = id; });
        connect(action_, &QButtonGroup::idClicked, this, [this](int id) {
            f_.findReplace.action = id;
            matchnot_->setEnabled(id == 0);
        });
        // Typing a replacement or entering its field chooses "replace:".
        replace_->entered = [this] {
            f_.findReplace.ReplaceEntered();
            Load();
        };
        connect(replace_, &QLineEdit::textEdited, this, [this](const QString& t) {
            f_.findReplace.ReplaceChanged(S(t));
            Load();
        });
    }
    void Load() override {
        const QSignalBlocker a(find_), b(case_), c(matchnot_), d(replace_);
        const FindReplaceFilter& fr = f_.findReplace;
        find_->setText(Q(fr.find));
        case_->setChecked(fr.caseSensitive);
        matchnot_->setChecked(fr.matchnot);
        if (replace_->text() != Q(fr.replace)) replace_->setText(Q(fr.replace));
        if (auto* b = pos_->button(fr.pos)) b->setChecked(true);
        if (auto* b = action_->button(fr.action)) b->setChecked(true);
        matchnot_->setEnabled(fr.action == 0 || fr.action == -1);
    }

  private:
    FilterGen& f_;
    QLineEdit* find_;
    QCheckBox* case_;
    QButtonGroup* pos_;
    QButtonGroup* action_;
    QCheckBox* matchnot_;
    SelectingLineEdit* replace_;
};

}  // namespace

FilterPanel* MakeFindReplacePanel(FilterGen& filter, QWidget* parent) {
    return new FilterPanelFindReplace(filter, parent);
}

}  // namespace ravlet::gui
