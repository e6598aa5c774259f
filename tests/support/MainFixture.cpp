#include "support/MainFixture.h"

#include "app/LogSink.h"
#include "app/Settings.h"
#include "net/ravlet_url.h"

namespace ravlet::test {

MainFixture::MainFixture() {
    UrlSchemesInit();
    SettingsSetDefaults(AppSettings());
    // The window asks every manager at its load; aria2's default address is no test's server.
    AppSettings().ReRouteAria2Rpc.clear();
    SetClipboard(&clipboard);
    main = std::make_unique<frmMain>();
    main->SetView(&view);
    main->SetRefiner(&refiner);
    main->SetDownload(&download);
    SetLogHandler([this](const std::string& text, bool) { log.push_back(text); });
}

MainFixture::~MainFixture() {
    main.reset();
    SetLogHandler(nullptr);
    SetClipboard(nullptr);
    SettingsSetDefaults(AppSettings());
}

void MainFixture::Rows(const std::vector<std::string>& rows,
                       const std::vector<std::size_t>& selected) {
    LinkList& list = main->ListLinks();
    list.Assign(rows);
    for (std::size_t i : selected) list.Select(i, true);
}

void MainFixture::Clip(const std::string& text) {
    clipboard.text = text;
    clipboard.hasText = true;
}

std::vector<std::string> MainFixture::MessageTexts() const {
    return ui.Texts();
}

}  // namespace ravlet::test
