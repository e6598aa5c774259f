#pragma once
// The site scanner frmScanner without its window: it walks a web site from a start address,
// parses the pages within the level limit for links, queues those under the base address and
// collects every address it meets into the main window's link list. The Qt window draws it
// and forwards its buttons here; ravlet-cli scan and the tests drive it directly.
#include <memory>
#include <string>

#include "net/RvNetGet.h"
#include "scanner/ScanList.h"
#include "scanner/ScannerHost.h"
#include "scanner/ScannerView.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

// The scanner's State.
enum ScannerState : int {
    Scan_Idle = 0,
    Scan_Running = 1,
    Scan_PauseAsked = 2,
    Scan_Paused = 3,
    Scan_StopAsked = 4,
};

// What each State enables.
struct ScannerControls {
    bool start = true;  // zcAny 0 and the three base buttons
    bool pause = false;
    bool stop = false;
};
ScannerControls ScannerControlsFor(int state);

// The most a page is read for its links, in bytes.
constexpr long kScannerReadLimit = 250000;

class frmScanner {
  public:
    explicit frmScanner(ScannerHost& host);
    ~frmScanner();  // unloading clears the scanner-open flag
    frmScanner(const frmScanner&) = delete;
    frmScanner& operator=(const frmScanner&) = delete;

    static constexpr const char* kCaption = "scanner";
    // Set while a scanner window is loaded.
    static bool ScannerOpen();

    // Not owned; nullptr restores the do-nothing default.
    void SetView(ScannerView* view);

    // The start field takes txtUrl, the base field txtUrlBase.
    void Form_Load();
    // The close: a running scan is asked to stop first and keeps the window; otherwise the
    // question. True when the window may close.
    bool Form_QueryUnload();

    // The fields.
    std::string txtInStart;
    std::string txtInBase;
    const std::string& BaseReference() const { return baseReference_; }
    int BaseLevelCount() const { return baseLevels_; }
    ScanList lstLnkDo, lstLnkDone, lstLnkCache;
    const std::string& StatusInfoLbl() const { return statusInfo_; }
    ctlStatusBar StatusLbl;
    RvNetGet* objRvGet() const { return net_.get(); }
    const std::string& Caption() const { return caption_; }

    int State() const { return state_; }
    void State(int value);
    const ScannerControls& Controls() const { return controls_; }

    // zcAny: 0 Start / Continue, 1 Pause, 2 Stop (with its question).
    void zcAny_Click(int index);
    // txtInBaseCmd: 0 "|->", 1 "[ - ]", 2 "[ + ]".
    void txtInBaseCmd_Click(int index);
    // The Yes of the stop question: the loop stops after the current address and a running
    // read ends now.
    void StopScan();
    // True while the scan loop runs (also paused).
    bool Scanning() const { return scanning_; }
    // True when the last scan ended with "Stopped.".
    bool Stopped() const { return stopped_; }

    // The begins-with-the-base test: ignoring case; an empty base lets every address pass.
    bool BeginsWithBase(const std::string& address) const;

  private:
    void Notify(int parts);
    void StartScan();
    void ScanLoop(int depth);
    void TakeMainList();
    void ProcessPage(std::string address, int childLevel);
    void ReadPage(const std::string& address, int childLevel);
    void QueueLink(const std::string& link, int level);
    void Collect(const std::string& address);
    void Progress(const std::string& address);
    void Status(const std::string& text);
    void WaitWhilePaused();

    ScannerHost& host_;
    ScannerView ownView_;
    ScannerView* view_ = &ownView_;
    std::unique_ptr<RvNetGet> net_;
    std::string baseReference_;
    int baseLevels_ = 0;
    std::string statusInfo_;
    std::string caption_ = kCaption;
    int state_ = Scan_Idle;
    ScannerControls controls_;
    bool loaded_ = false;
    bool scanning_ = false;
    bool stopped_ = false;
};

}  // namespace ravlet
