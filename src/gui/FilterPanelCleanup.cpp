// The editing panel of "Cleanup": one check box an option, in the order they run, three to a
// row so the captions fit a refiner of half the screen.
#include <QCheckBox>
#include <QGridLayout>
#include <vector>

#include "gui/FilterGenWidget.h"

namespace ravlet::gui {

namespace {

class FilterPanelCleanup : public FilterPanel {
  public:
    FilterPanelCleanup(FilterGen& filter, QWidget* parent) : FilterPanel(parent), f_(filter) {
        auto* grid = new QGridLayout(this);
        const char* labels[] = {"# Cut off", ". DotEnding Remove", "No Apache Stuff", "Binarize",
                                "Remove Double Entries!"};
        for (int i = 0; i < 5; ++i) {
            auto* box = new QCheckBox(QString::fromLatin1(labels[i]), this);
            const int bit = 1 << i;
            connect(box, &QCheckBox::toggled, this, [this, bit](bool on) {
                f_.cleanup.opts = on ? (f_.cleanup.opts | bit) : (f_.cleanup.opts & ~bit);
            });
            grid->addWidget(box, i / 3, i % 3);
            boxes_.push_back(box);
        }
        grid->setColumnStretch(3, 1);
    }
    void Load() override {
        for (std::size_t i = 0; i < boxes_.size(); ++i) {
            const QSignalBlocker block(boxes_[i]);
            boxes_[i]->setChecked((f_.cleanup.opts >> i) & 1);
        }
    }

  private:
    FilterGen& f_;
    std::vector<QCheckBox*> boxes_;
};

}  // namespace

FilterPanel* MakeCleanupPanel(FilterGen& filter, QWidget* parent) {
    return new FilterPanelCleanup(filter, parent);
}

}  // namespace ravlet::gui
