#pragma once
// The settings of a first start, as a value.
#include "app/Settings.h"

namespace ravlet::test {

inline Settings Defaults() {
    Settings s;
    SettingsSetDefaults(s);
    return s;
}

}  // namespace ravlet::test
