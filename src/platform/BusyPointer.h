#pragma once
// Shows the busy pointer for as long as the object lives.
#include "platform/UserInterface.h"

namespace ravlet {

class BusyPointer {
  public:
    BusyPointer() { Ui().SetBusy(true); }
    ~BusyPointer() { Ui().SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace ravlet
