#pragma once
// What the site scanner's logic asks of whatever draws it. The Qt window implements it; the
// defaults do nothing, so the logic runs without a display.
namespace ravlet {

// Parts of the window that changed and must be drawn again.
enum ScannerViewPart : int {
    ScanView_Lists = 1,     // lstLnkDo, lstLnkDone, lstLnkCache
    ScanView_Controls = 2,  // what State enables
    ScanView_Texts = 4,     // txtInStart, txtInBase
    ScanView_Caption = 8,   // the window caption
    ScanView_Info = 16,     // StatusInfoLbl, repainted at once
    ScanView_All = 31,
};

class ScannerView {
  public:
    virtual ~ScannerView() = default;
    virtual void Update(int parts) { (void)parts; }
    virtual void FocusStart() {}
    // Closes the window after the logic agreed to the close.
    virtual void CloseWindow() {}
};

}  // namespace ravlet
