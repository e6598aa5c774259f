#pragma once
// What the site scanner needs of the main window: its link list, its State, SetResetList and
// its two address boxes. The main window implements it; ravlet-cli and the tests have their
// own.
#include <string>

#include "links/LinkList.h"

namespace ravlet {

class ScannerHost {
  public:
    virtual ~ScannerHost() = default;
    virtual LinkList& ListLinks() = 0;
    virtual int State() const = 0;
    virtual void State(int state) = 0;
    virtual void SetResetList() = 0;
    // The texts of txtUrl and txtUrlBase.
    virtual std::string PageAddress() const = 0;
    virtual std::string BaseAddress() const = 0;
    // Rows were added to the list: a view draws it again.
    virtual void ListChanged() {}
};

}  // namespace ravlet
