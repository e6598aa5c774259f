#pragma once
// A parse target without a window: a list, a status bar nobody looks at, and the text the
// source view would show. ravlet-cli parses into one.
#include <string>

#include "links/LinkList.h"
#include "links/ParsePage.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

class ConsoleParseTarget : public PageParseTarget {
  public:
    explicit ConsoleParseTarget(int modes) : modes_(modes) {}
    LinkList& Links() override { return list_; }
    ctlStatusBar& StatusBar() override { return bar_; }
    int ScanModes() override { return modes_; }
    bool ShowSource(const std::string& text, std::string&, long&) override {
        source_ = text;
        return true;
    }
    void ListVisible(bool) override {}
    void StatusReady() override {}
    const std::string& Source() const { return source_; }

  private:
    LinkList list_;
    ctlStatusBar bar_;
    std::string source_;
    int modes_;
};

}  // namespace ravlet
