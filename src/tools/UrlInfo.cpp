#include "tools/UrlInfo.h"

#include "app/Settings.h"
#include "net/CookieFile.h"
#include "net/RvNetGet.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

// The request head keeps its lines apart with NULs; shown, they are lines.
std::string HeadLines(std::string head) {
    std::string out;
    out.reserve(head.size() + 32);
    for (const char c : head) {
        if (c == '\0')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

}  // namespace

bool GetInfoText(const std::string& address, const std::string& referrer, const std::string& base,
                 const Settings& s, ctlStatusBar& status, std::string& text) {
    BusyPointer busy;
    const std::string url = UrlHasScheme(address) ? address : base + address;
    RvNetGet net;
    UseCookies(net, s.netCookies, "");
    net.NetInit(s.user_agent, s.netProxyUse, s.netProxy);
    net.Timeout(s.nettimeout);
    const std::string caption = status.Caption();
    status.Caption("Getting Info... :" + url);
    net.StatusChanged = [&] { status.Caption(net.Status()); };
    std::string headers;
    if (!referrer.empty()) headers += "Referer: " + referrer + "\r\n";
    headers += "accept: */*\r\n";
    bool ok = false;
    net.NetUrlOpen(url, headers, ok);
    Ui().ServeEvents();
    if (ok)
        text = "Status:" + net.NetUrlHeader(2) + "\r\nRaw:\r\n" + net.NetUrlHeader(0) +
               "\r\nRequest:\r\n" + HeadLines(net.NetUrlHeader(1)) + "\r\n";
    else
        text = "Error: " + net.NetError() + "\r\n Url: " + url;
    Ui().ServeEvents();
    net.NetUrlClose();
    net.StatusChanged = nullptr;
    status.Caption(caption);
    return ok;
}

}  // namespace ravlet
