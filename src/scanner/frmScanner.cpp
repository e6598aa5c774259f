#include "scanner/frmScanner.h"

#include <cmath>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "links/LinkScanner.h"
#include "net/CookieFile.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"
#include "scanner/FoundLinkAddress.h"

namespace ravlet {

namespace {

bool scannerOpen = false;

// Main window states the scanner sets or reads.
constexpr int kMainIdle = 0;
constexpr int kMainBusy = 1;
constexpr int kMainListReady = 2;

// A paused scan sleeps until an event comes; the bound only keeps the state test fresh.
constexpr int kPauseWaitMs = 200;

// Every scanner message also shows the log.
void Log(const std::string& text) {
    LogMessage(text, true);
}

std::string RemoveTrailingSlash(std::string text) {
    if (!text.empty() && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace

ScannerControls ScannerControlsFor(int state) {
    ScannerControls c;
    c.start = state == Scan_Idle || state == Scan_Paused;
    c.pause = state == Scan_Running;
    c.stop = state == Scan_Running || state == Scan_Paused;
    return c;
}

frmScanner::frmScanner(ScannerHost& host) : host_(host) {
    controls_ = ScannerControlsFor(state_);
}

frmScanner::~frmScanner() {
    if (loaded_) scannerOpen = false;
}

bool frmScanner::ScannerOpen() {
    return scannerOpen;
}

void frmScanner::SetView(ScannerView* view) {
    view_ = view ? view : &ownView_;
}

void frmScanner::Notify(int parts) {
    view_->Update(parts);
}

void frmScanner::Form_Load() {
    loaded_ = true;
    scannerOpen = true;
    txtInStart = host_.PageAddress();
    txtInBase = host_.BaseAddress();
    State(Scan_Idle);
    Notify(ScanView_All);
}

bool frmScanner::Form_QueryUnload() {
    if (state_ != Scan_Idle) {
        zcAny_Click(2);
        if (state_ != Scan_Idle) return false;
    }
    return MsgBox("Do you want to close the Scanner ?", MsgButtons::YesNo, MsgIcon::Question) ==
           MsgAnswer::Yes;
}

void frmScanner::State(int value) {
    state_ = value;
    controls_ = ScannerControlsFor(state_);
    Notify(ScanView_Controls);
}

void frmScanner::Status(const std::string& text) {
    StatusLbl.Caption(text);
}

void frmScanner::zcAny_Click(int index) {
    switch (index) {
        case 0:
            if (state_ == Scan_Idle)
                StartScan();
            else if (scanning_)
                State(Scan_Running);
            break;
        case 1:
            // Without a running loop nobody would ever leave State 2.
            if (scanning_) State(Scan_PauseAsked);
            break;
        case 2:
            if (!scanning_) break;
            if (MsgBox("Do you want to stop scanning ?", MsgButtons::YesNoCancel,
                       MsgIcon::Question) == MsgAnswer::Yes)
                StopScan();
            break;
        default:
            break;
    }
}

void frmScanner::StopScan() {
    if (!scanning_) return;
    State(Scan_StopAsked);
    if (net_) net_->NetUrlReadStop();
}

void frmScanner::txtInBaseCmd_Click(int index) {
    switch (index) {
        case 0:
            baseReference_ = txtInStart;
            txtInBase = baseReference_;
            break;
        case 1: {
            ++baseLevels_;
            std::string t = baseReference_;
            for (int i = 1; i <= baseLevels_; ++i) {
                const std::string previous = t;
                t = RemoveTrailingSlash(t);
                const std::string cut = t;
                t = UrlBase(t);
                // The base of a bare site is the site with its "/": no higher level either.
                if (t == cut || t == previous) {
                    // No higher level exists.
                    baseLevels_ = i;
                    break;
                }
            }
            txtInBase = t;
            break;
        }
        case 2: {
            if (baseLevels_ < 1) return;
            --baseLevels_;
            std::string t = baseReference_;
            for (int i = 1; i <= baseLevels_; ++i) t = UrlBase(RemoveTrailingSlash(t));
            txtInBase = t;
            break;
        }
        default:
            return;
    }
    Notify(ScanView_Texts);
}

bool frmScanner::BeginsWithBase(const std::string& address) const {
    return address.size() >= txtInBase.size() && IStartsWith(address, txtInBase);
}

void frmScanner::StartScan() {
    // A get, a download or the filters work on the list: the scan would pull it from under
    // them.
    const int mainState = host_.State();
    if (mainState != kMainIdle && mainState != kMainListReady) {
        Status("ravlet is busy: start the scan when its task has ended.");
        return;
    }
    const Settings& s = AppSettings();
    State(Scan_Running);
    const int depth = s.Scanner_LevelMode == 2 ? s.Scanner_LevelDepth : s.Scanner_LevelMode - 1;
    ScanLoop(depth);
    State(Scan_Idle);
}

void frmScanner::ScanLoop(int depth) {
    const Settings& s = AppSettings();
    const std::string start = Trim(txtInStart);
    if (start.empty() || !UrlHasScheme(start)) {
        MsgBox(
            "Please supply an URL to start. If you're using ravlets' list, supply this as "
            "Referrer.");
        view_->FocusStart();
        return;
    }
    host_.State(kMainBusy);
    lstLnkDo.Clear();
    lstLnkDone.Clear();
    lstLnkCache.Clear();
    stopped_ = false;

    net_ = std::make_unique<RvNetGet>();
    net_->StatusChanged = [this] { StatusLbl.SetBoth(net_->Status(), net_->StatusPer()); };
    net_->StatusChangedPer = net_->StatusChanged;
    UseCookies(*net_, s.netCookies, "");
    net_->NetInit(s.user_agent, s.netProxyUse, s.netProxy);

    if (s.Scanner_ListTake) {
        TakeMainList();
        lstLnkDo.SetAllLevels(0);
    } else {
        lstLnkDo.Add(start, 0);
    }
    Notify(ScanView_Lists);
    StatusLbl.Mode(1);
    scanning_ = true;

    while (!lstLnkDo.Empty()) {
        const std::string address = lstLnkDo.At(0);
        const int level = lstLnkDo.Level(0);
        lstLnkDo.RemoveFirst();
        Progress(address);
        const bool parse = depth == -1 || (depth == 0 ? level == 0 : level <= depth);
        if (parse)
            ProcessPage(address, level + 1);
        else
            Collect(address);
        Notify(ScanView_Lists);
        host_.ListChanged();
        Ui().ServeEvents();
        if (state_ == Scan_PauseAsked) WaitWhilePaused();
        if (!lstLnkDo.Empty() && state_ == Scan_StopAsked) {
            Status("Stopped.");
            stopped_ = true;
            break;
        }
    }
    if (lstLnkDo.Empty()) Status("Scan finished.");

    scanning_ = false;
    // Closing reports "Ready", which must not hide how the scan ended.
    net_->StatusChanged = nullptr;
    net_->StatusChangedPer = nullptr;
    net_->NetClose();
    net_.reset();
    lstLnkDo.Clear();
    caption_ = kCaption;
    Notify(ScanView_Lists | ScanView_Caption);
    host_.SetResetList();
    host_.State(kMainListReady);
    host_.ListChanged();
    StatusLbl.Mode(0);
}

void frmScanner::WaitWhilePaused() {
    Status("-*- paused -*-");
    State(Scan_Paused);
    while (state_ == Scan_Paused) Ui().WaitForEvents(kPauseWaitMs);
}

void frmScanner::TakeMainList() {
    const LinkList& list = host_.ListLinks();
    const std::string base = host_.BaseAddress();
    const std::string pageBase = UrlBase(host_.PageAddress());
    for (const std::string& row : list.Items()) {
        std::string address = row;
        if (!UrlHasScheme(address)) address = base + address;
        if (!UrlHasScheme(address)) address = pageBase + address;
        lstLnkDo.Add(address, 0);
    }
}

void frmScanner::Progress(const std::string& address) {
    const std::size_t toDo = lstLnkDo.Count();
    const std::size_t done = lstLnkDone.Count();
    const std::size_t total = toDo + done;
    // Halves go to the even neighbour, as the default rounding mode does.
    const long percent =
        total == 0 ? 0 : std::lrint(100.0 / static_cast<double>(total) * static_cast<double>(done));
    caption_ = toDo > 0 ? std::to_string(percent) + "% scanner" : std::string(kCaption);
    statusInfo_ = std::to_string(toDo) + " to go (" + std::to_string(done) + " done) :" + address;
    StatusLbl.Steps(static_cast<int>(total));
    StatusLbl.Step(static_cast<int>(done));
    Notify(ScanView_Caption | ScanView_Info);
}

void frmScanner::ProcessPage(std::string address, int childLevel) {
    const Settings& s = AppSettings();
    if (lstLnkDone.Contains(address)) return;
    Progress(address);
    lstLnkDone.Add(address);
    RvNetGet& net = *net_;
    net.Timeout(s.nettimeout);
    Status("Get Info: " + address + "...");

    bool ok = false;
    net.NetUrlOpen(address, "Referer: " + txtInStart + "\r\n", ok);
    if (!ok) {
        Log("Scanner: Error: " + net.NetError() + " Url(Scan): " + address);
        net.NetUrlClose();
        return;
    }
    if (LenientNumber(net.NetUrlHeader(2)) != 200) {
        Log("Scanner: Not Found: " + address + " [General: URL could have been redirected]");
        net.NetUrlClose();
        return;
    }
    const std::string requested = net.NetUrlHeaderRequestName();
    if (requested != address) {
        Log("Scanner: Redirected to: " + requested + " from: " + address);
        if (lstLnkDone.Contains(requested)) {
            net.NetUrlClose();
            return;
        }
        lstLnkDone.Add(requested);
        if (!BeginsWithBase(requested) && !s.Scanner_ForeignRedirectScan) {
            net.NetUrlClose();
            return;
        }
        address = requested;
    }
    if (BeginsWithBase(address)) Collect(address);
    if (net.NetUrlHeader(3).compare(0, 5, "text/") != 0) {
        net.NetUrlClose();
        return;
    }
    ReadPage(address, childLevel);
}

void frmScanner::ReadPage(const std::string& address, int childLevel) {
    const Settings& s = AppSettings();
    RvNetGet& net = *net_;
    bool ok = false;
    net.NetUrlRead(false, kScannerReadLimit, ok);
    if (!ok) {
        Log("Error: " + net.NetError() + " Url: " + address);
        net.NetUrlClose();
        return;
    }
    net.NetUrlClose();
    const std::string pageBase = UrlBase(address);
    Status("Parsing...");
    std::string text = net.TakeDataText();

    int modes = 0;
    if (s.scanlink) modes += ScanHref;
    if (s.scanimg) modes += ScanImages;
    if (s.scanwildsrc) modes += ScanWildSrc;
    if (s.scantxthttp) modes += ScanPlainHttp;
    Status("Scanning...");
    std::vector<std::string> results;
    if (!ScanLinks(std::move(text), results, modes, nullptr)) return;

    const std::string count = std::to_string(results.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        Status("Add Link " + std::to_string(i + 1) + " of " + count);
        DoEvents();
        const FoundAddress link = FoundLinkAddress(results[i], pageBase);
        if (link.text.empty()) continue;
        if (link.fetchable)
            QueueLink(link.text, childLevel);
        else if (s.Scanner_LinkCollectAll)
            Collect(link.text);
    }
    Status("done.");
}

void frmScanner::QueueLink(const std::string& link, int level) {
    const Settings& s = AppSettings();
    if (BeginsWithBase(link)) {
        if (lstLnkDone.Contains(link) || lstLnkDo.Contains(link)) return;
        if (EndsWithOneOf(link, s.Scanner_TextTypes, ","))
            lstLnkDo.Add(link, level);
        else
            lstLnkDo.AddFront(link, level);
    } else if (s.Scanner_LinkCollectAll) {
        Collect(link);
    }
}

void frmScanner::Collect(const std::string& address) {
    if (lstLnkCache.Contains(address)) return;
    lstLnkCache.Add(address);
    AddLinkUnique(host_.ListLinks(), address);
    if (static_cast<long>(lstLnkCache.Count()) > AppSettings().Scanner_Cache)
        lstLnkCache.RemoveFirst();
}

}  // namespace ravlet
