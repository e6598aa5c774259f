// The editing panel of "File Type": the groups with their check boxes, and the group editor.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>

#include "filters/Glist.h"
#include "gui/FilterGenWidget.h"
#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

// "(" and ")" frame a group's extensions in its text: typed or pasted ones are dropped.
class NoParens : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        for (int i = input.size() - 1; i >= 0; --i) {
            if (input[i] != u'(' && input[i] != u')') continue;
            input.remove(i, 1);
            if (i < pos) --pos;
        }
        return Acceptable;
    }
};

class FilterPanelFileType : public FilterPanel {
  public:
    FilterPanelFileType(FilterGen& filter, QWidget* parent) : FilterPanel(parent), f_(filter) {
        auto* grid = new QGridLayout(this);
        groups_ = new QListWidget(this);
        groups_->setFlow(QListView::LeftToRight);
        groups_->setWrapping(true);
        groups_->setResizeMode(QListView::Adjust);
        groups_->setMinimumWidth(600);
        groups_->setFixedHeight(64);
        grid->addWidget(groups_, 0, 0, 1, 4);
        auto* add = new QPushButton(QStringLiteral("Add"), this);
        auto* del = new QPushButton(QStringLiteral("Delete"), this);
        expand_ = new QPushButton(this);
        grid->addWidget(add, 1, 0);
        grid->addWidget(del, 1, 1);
        grid->addWidget(expand_, 1, 2);
        editor_ = new QWidget(this);
        auto* row = new QHBoxLayout(editor_);
        row->setContentsMargins(0, 0, 0, 0);
        name_ = new QLineEdit(editor_);
        exts_ = new QLineEdit(editor_);
        name_->setValidator(new NoParens(name_));
        exts_->setValidator(new NoParens(exts_));
        row->addWidget(new QLabel(QStringLiteral("Name:"), editor_));
        row->addWidget(name_);
        row->addWidget(new QLabel(QStringLiteral("Extensions:"), editor_));
        row->addWidget(exts_, 1);
        grid->addWidget(editor_, 2, 0, 1, 4);

        FileTypeFilter& ft = f_.fileType;
        connect(groups_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
            const int i = groups_->row(item);
            if (!f_.fileType.Select(i, item->checkState() == Qt::Checked)) {
                const QSignalBlocker block(groups_);
                item->setCheckState(Qt::Unchecked);  // beyond what the mask can hold
            }
        });
        connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) {
            f_.fileType.Choose(row);
            LoadFields();
        });
        connect(add, &QPushButton::clicked, this, [this, &ft] {
            ft.Add();
            Load();
            Resized();
            name_->setFocus();
        });
        connect(del, &QPushButton::clicked, this, [this, &ft] {
            ft.Delete();
            Load();
        });
        connect(expand_, &QPushButton::clicked, this, [this] {
            f_.ToggleGroupEditor();
            Load();
            Resized();
        });
        connect(name_, &QLineEdit::textEdited, this, [this, &ft](const QString& t) {
            ft.NameChanged(S(t));
            RefreshCurrent();
        });
        connect(exts_, &QLineEdit::textEdited, this, [this, &ft](const QString& t) {
            ft.ExtensionsChanged(S(t));
            RefreshCurrent();
        });
    }

    void Load() override {
        const FileTypeFilter& ft = f_.fileType;
        {
            const QSignalBlocker block(groups_);
            groups_->clear();
            for (std::size_t i = 0; i < ft.GroupCount(); ++i) {
                auto* item = new QListWidgetItem(Q(ft.Group(i)), groups_);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(ft.Selected(i) ? Qt::Checked : Qt::Unchecked);
            }
            groups_->setCurrentRow(static_cast<int>(ft.Current()));
        }
        expand_->setText(Q(ft.ExpandCaption()));
        editor_->setVisible(ft.EditorOpen());
        LoadFields();
    }

  private:
    void LoadFields() {
        const QSignalBlocker a(name_), b(exts_);
        name_->setText(Q(f_.fileType.NameField()));
        exts_->setText(Q(f_.fileType.ExtensionsField()));
    }
    void RefreshCurrent() {
        const long i = f_.fileType.Current();
        if (i < 0 || i >= groups_->count()) return;
        const QSignalBlocker block(groups_);
        groups_->item(static_cast<int>(i))->setText(Q(f_.fileType.Group(i)));
    }
    // The hosting list lays itself out again for the new height.
    void Resized() {
        if (auto* w = parentWidget()) w->adjustSize();
        if (Glist* list = f_.List()) {
            list->Size();
            list->Draw();
        }
    }

    FilterGen& f_;
    QListWidget* groups_;
    QPushButton* expand_;
    QWidget* editor_;
    QLineEdit* name_;
    QLineEdit* exts_;
};

}  // namespace

FilterPanel* MakeFileTypePanel(FilterGen& filter, QWidget* parent) {
    return new FilterPanelFileType(filter, parent);
}

}  // namespace ravlet::gui
