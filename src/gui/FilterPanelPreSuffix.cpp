// The editing panel of "Pre- and Suf-fix".
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "gui/FilterGenWidget.h"
#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

class FilterPanelPreSuffix : public FilterPanel {
  public:
    FilterPanelPreSuffix(FilterGen& filter, QWidget* parent) : FilterPanel(parent), f_(filter) {
        auto* form = new QFormLayout(this);
        suffix_ = new QLineEdit(this);
        prefix_ = new QLineEdit(this);
        cut_ = new QCheckBox(QStringLiteral("cut the prefix off"), this);
        invert_ = new QCheckBox(QStringLiteral("invert: remove matching links"), this);
        form->addRow(QStringLiteral("Suffix (ends with):"), suffix_);
        form->addRow(QStringLiteral("Prefix (starts with):"), prefix_);
        auto* flags = new QHBoxLayout;
        flags->addWidget(cut_);
        flags->addWidget(invert_);
        flags->addStretch();
        form->addRow(flags);
        connect(suffix_, &QLineEdit::textEdited, this,
                [this](const QString& t) { f_.preSuffix.suffix = S(t); });
        connect(prefix_, &QLineEdit::textEdited, this,
                [this](const QString& t) { f_.preSuffix.prefix = S(t); });
        connect(cut_, &QCheckBox::toggled, this, [this](bool on) { f_.preSuffix.cut = on; });
        connect(invert_, &QCheckBox::toggled, this, [this](bool on) {
            f_.preSuffix.invert = on;
            cut_->setEnabled(!on);  // cutting has no meaning while inverted
        });
    }
    void Load() override {
        const QSignalBlocker a(suffix_), b(prefix_), c(cut_), d(invert_);
        suffix_->setText(Q(f_.preSuffix.suffix));
        prefix_->setText(Q(f_.preSuffix.prefix));
        cut_->setChecked(f_.preSuffix.cut);
        invert_->setChecked(f_.preSuffix.invert);
        cut_->setEnabled(!f_.preSuffix.invert);
    }

  private:
    FilterGen& f_;
    QLineEdit* suffix_;
    QLineEdit* prefix_;
    QCheckBox* cut_;
    QCheckBox* invert_;
};

}  // namespace

FilterPanel* MakePreSuffixPanel(FilterGen& filter, QWidget* parent) {
    return new FilterPanelPreSuffix(filter, parent);
}

}  // namespace ravlet::gui
