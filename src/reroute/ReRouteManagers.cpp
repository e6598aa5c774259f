// The hand-off routines of the managers reached through their automation components.
#include <memory>
#include <vector>

#include "platform/DoEvents.h"
#include "reroute/ReRoute.h"
#include "reroute/ReRouteCreateObject.h"
#include "reroute/ReRouteRegistry.h"

namespace ravlet {

namespace {

// A created component whose calls report their failure as the unexpected error; once one
// call failed, the others are skipped.
class Component {
  public:
    Component(std::unique_ptr<AutoObject> object, std::string name)
        : object_(std::move(object)), name_(std::move(name)) {}
    explicit operator bool() const { return object_ != nullptr; }
    bool ok() const { return ok_; }

    void Put(const std::string& property, const std::string& value) {
        if (!ok_) return;
        AutoError error;
        if (!object_->Put(property, value, error)) Fail(error);
    }
    void Call(const std::string& member, std::vector<AutoArg> args) {
        if (!ok_) return;
        AutoError error;
        if (!object_->Call(member, args, error)) Fail(error);
    }
    // The result of a hand-off that went through, else 0.
    int Result(int result) const { return ok_ ? result : ReRoute_Failed; }

  private:
    void Fail(const AutoError& error) {
        ok_ = false;
        ReRouteUnexpected(name_, error);
    }
    std::unique_ptr<AutoObject> object_;
    std::string name_;
    bool ok_ = true;
};

Component Create(const char* progId, const char* name, const std::string& address) {
    return Component(ReRouteCreateObject(progId, name, address), name);
}

AutoArg T(std::string text) {
    return AutoArg::Text(std::move(text));
}

// Indices 0 to 2n: the referrer, then each row followed by the filler.
std::vector<std::string> PairArray(const std::string& referrer,
                                   const std::vector<std::string>& rows,
                                   const std::string& filler) {
    std::vector<std::string> a;
    a.reserve(2 * rows.size() + 1);
    a.push_back(referrer);
    for (const std::string& row : rows) {
        a.push_back(row);
        a.push_back(filler);
    }
    return a;
}

}  // namespace

int ReRouteFdm(const ReRouteHost& host, const std::string& address) {
    if (!RegKeyExists("Software\\VicMan Software\\Free Download Manager", true))
        return ReRoute_Failed;
    if (address.empty()) return ReRoute_GoOn;
    Component c = Create("WG.WGUrlListReceiver", "Free Download Manager", address);
    if (!c) return ReRoute_Failed;
    c.Put("Referer", host.PageAddress());
    for (const std::string& row : host.Rows()) {
        c.Put("url", host.BaseSafe(row));
        c.Put("Comment", "rvre-route");
        c.Call("AddUrlToList", {});
    }
    c.Call("ShowAddUrlListDialog", {});
    return c.Result(ReRoute_WholeList);
}

int ReRouteDlExpert(const ReRouteHost& host, const std::string& address,
                    const std::string& referrer) {
    Component c = Create("dlexpertapi", "DLExpert", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    std::vector<std::string> a = PairArray(referrer, ReRouteResolvedRows(host), "");
    c.Call("addjobs", {AutoArg::Array(a)});
    return c.Result(ReRoute_WholeList);
}

int ReRouteDownloadExpress(const std::string& address, const std::string& referrer) {
    Component c = Create("Mdpph.API.1", "Download Express", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    c.Call("DownloadFile", {T(address), T(referrer), T("")});
    return c.Result(ReRoute_GoOn);
}

int ReRouteWinGet(const std::string& address) {
    Component c = Create("WinIE.WinIEObj.1", "WinGet", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    c.Call("Download", {T(address + '\0')});
    DoEvents();
    return c.Result(ReRoute_GoOn);
}

int ReRouteDap(const std::string& address, const std::string& referrer) {
    Component c = Create("dapie.catcher", "Download Accelerator", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    c.Call("MenuURL", {T(address), T(referrer), T("")});
    return c.Result(ReRoute_GoOn);
}

int ReRouteDownloadMage(const ReRouteHost& host, const std::string& address,
                        const std::string& referrer) {
    if (!RegKeyExists("Software\\LCT\\DnloadMage", false)) return ReRoute_Failed;
    if (address.empty()) return ReRoute_GoOn;
    Component c = Create("DnloadMage.Staff", "Download Mage", address);
    if (!c) return ReRoute_Failed;
    std::string html;
    for (const std::string& row : host.Rows()) html += " <a href=\"" + row + "\">-</a>";
    c.Call("DnloadHtml", {T(html), T(referrer)});
    return c.Result(ReRoute_WholeList);
}

int ReRouteFlashGet(const ReRouteHost& host, const std::string& address,
                    const std::string& referrer) {
    Component c = Create("JetCar.Netscape", "FlashGet", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    std::vector<std::string> a = PairArray(referrer, host.Rows(), "Re-Routed by Ravlet");
    c.Call("AddUrlList", {AutoArg::Array(a)});
    return c.Result(ReRoute_WholeList);
}

int ReRouteMassDownloader(const ReRouteHost& host, const std::string& address,
                          const std::string& referrer) {
    Component c = Create("MassDown.AddUrl.1", "Mass Downloader", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    c.Call("AddUrl", {T("Begin."), T("Begin.")});
    for (const std::string& row : host.Rows())
        c.Call("AddUrlWithReferer", {T(row), T(row), T(referrer)});
    c.Call("AddUrl", {T("End."), T("End.")});
    return c.Result(ReRoute_WholeList);
}

int ReRouteNetTransport(const ReRouteHost& host, const std::string& address,
                        const std::string& referrer) {
    Component c = Create("NTIEHelper.NTIEAddUrl", "Net Transport", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    std::vector<std::string> urls = ReRouteResolvedRows(host);
    if (urls.empty()) return ReRoute_GoOn;
    // Indices 0 to n: the last entry of both arrays stays empty.
    std::vector<std::string> comments(urls.size(), "rvre-route");
    urls.emplace_back();
    comments.emplace_back();
    c.Call("AddList", {T(referrer), AutoArg::Array(urls), AutoArg::Array(comments)});
    return c.Result(ReRoute_WholeList);
}

int ReRouteFdnl(const std::string& address, const std::string& referrer) {
    Component c = Create("FDIEHlp.FDCatcher", "Fresh Downloader (IE)", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    c.Call("AddFromMenu", {T(address), T(referrer), AutoArg::Int16(0)});
    return c.Result(ReRoute_GoOn);
}

int ReRouteLeechGet(const std::string& address) {
    Component c = Create("LeechGetIE.AddURL", "Leechget 2001", address);
    if (address.empty()) return c ? ReRoute_GoOn : ReRoute_Failed;
    if (!c) return ReRoute_Failed;
    c.Call("AddUrl", {T(address)});
    DoEvents();
    return c.Result(ReRoute_GoOn);
}

}  // namespace ravlet
