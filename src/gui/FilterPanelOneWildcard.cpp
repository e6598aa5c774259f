// The editing panel of "OneWildcard*".
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "gui/FilterGenWidget.h"
#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

class FilterPanelOneWildcard : public FilterPanel {
  public:
    FilterPanelOneWildcard(FilterGen& filter, QWidget* parent) : FilterPanel(parent), f_(filter) {
        auto* form = new QFormLayout(this);
        action_ = new QComboBox(this);
        for (const char* a : {"-skip this filter-", "match & cut out", "... & cut around",
                              "take matching links", "delete matching links!"})
            action_->addItem(QString::fromLatin1(a));
        mask_ = new QLineEdit(this);
        mask_->setPlaceholderText(QStringLiteral("front*back"));
        form->addRow(QStringLiteral("Mask (one *):"), mask_);
        form->addRow(QStringLiteral("Action:"), action_);
        connect(mask_, &QLineEdit::textEdited, this,
                [this](const QString& t) { f_.oneWildcard.mask = S(t); });
        connect(action_, &QComboBox::currentIndexChanged, this,
                [this](int i) { f_.oneWildcard.action = i; });
    }
    void Load() override {
        const QSignalBlocker a(mask_), b(action_);
        mask_->setText(Q(f_.oneWildcard.mask));
        const int action = f_.oneWildcard.action;
        action_->setCurrentIndex(action < 0 ? -1 : std::min(action, action_->count() - 1));
    }

  private:
    FilterGen& f_;
    QComboBox* action_;
    QLineEdit* mask_;
};

}  // namespace

FilterPanel* MakeOneWildcardPanel(FilterGen& filter, QWidget* parent) {
    return new FilterPanelOneWildcard(filter, parent);
}

}  // namespace ravlet::gui
