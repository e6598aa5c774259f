#pragma once
// The main window as the hand-off routines read it: ListLinks, txtUrl, txtUrlBase.
#include "reroute/ReRouteHost.h"

namespace ravlet {

class frmMain;

class MainReRouteHost : public ReRouteHost {
  public:
    explicit MainReRouteHost(const frmMain& main) : main_(main) {}
    std::vector<std::string> Rows() const override;
    std::string PageAddress() const override;
    std::string BaseText() const override;
    std::string BaseSafe(const std::string& row) const override;

  private:
    const frmMain& main_;
};

}  // namespace ravlet
