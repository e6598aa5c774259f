#pragma once
// What the main window asks of the download task. The window's own MainDownloads runs the
// download; tests put recorders in its place.
namespace ravlet {

class DownloadHooks {
  public:
    virtual ~DownloadHooks() = default;

    // The download buttons: 0 start / continue, 1 pause, 2 stop. Also the automatic start
    // after a get when Auto_Leech is not 0 (index 0, exactly as the start button).
    virtual void DownloadButton(int index) { (void)index; }
};

}  // namespace ravlet
