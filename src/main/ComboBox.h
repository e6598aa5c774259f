#pragma once
// The text of a combo box with its drop-down items (txtUrl, dirText).
#include <string>
#include <vector>

namespace ravlet {

struct ComboBox {
    std::string text;
    std::vector<std::string> items;
    bool enabled = true;
};

}  // namespace ravlet
