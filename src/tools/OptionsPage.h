#pragma once
// One page of the preferences window: a frame of controls hosted by an entry of the grouped
// list. The view gives it its height and follows its visibility.
#include <functional>

#include "filters/Glist.h"

namespace ravlet {

class OptionsPage : public GlistComponent {
  public:
    void List(Glist* list) override { list_ = list; }
    void Enabled(bool on) override { enabled_ = on; }
    void Visible(bool on) override {
        visible_ = on;
        if (onVisible) onVisible(on);
    }
    int Height() const override { return height_; }

    void SetHeight(int pixels) { height_ = pixels; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    Glist* List() const { return list_; }

    std::function<void(bool)> onVisible;

  private:
    Glist* list_ = nullptr;
    bool enabled_ = true;
    bool visible_ = true;
    int height_ = 100;
};

}  // namespace ravlet
