#include "main/MainDownloads.h"

#include "app/Settings.h"
#include "main/SaveSettings.h"
#include "main/frmMain.h"
#include "platform/Clock.h"
#include "platform/DesktopNotify.h"
#include "platform/Shell.h"
#include "platform/Timer.h"

namespace ravlet {

namespace {
// Without a window to ask, an existing file is kept: the answer of a closed question.
class SkippingOverwrite : public OverwriteView {
  public:
    OverwriteAnswer Show(const OverwriteQuestion&, frmOverwrite&) override { return {}; }
};

// The status bar's progress text follows a running transfer this often at most, and is
// drawn again this often while no byte comes.
constexpr long long kProgressShowMs = 250;
constexpr int kProgressTickMs = 1000;
}  // namespace

MainDownloads::MainDownloads(frmMain& main)
    : main_(main),
      skipping_(std::make_unique<SkippingOverwrite>()),
      overwrite_(skipping_.get()),
      outcomes_(main.ListLinks()),
      ticker_(MakeTimer()),
      run_(*this, AppSettings()) {
    run_.OnLinkDone = [this](const LinkOutcome& o) { LinkDone(o); };
    run_.OnLinkProgress = [this](long row, std::int64_t bytes, std::int64_t total) {
        LinkProgress(row, bytes, total);
    };
    run_.OnLinkTarget = [this](long row, const std::string& path) { LinkTarget(row, path); };
}

MainDownloads::~MainDownloads() = default;

bool MainDownloads::StartsRun() const {
    const int state = main_.State();
    return !run_.Running() && !main_.ListLinks().Empty() &&
           (state == State_Idle || state == State_ListReady) &&
           CommandAllowed(Act_DownloadStart, state);
}

void MainDownloads::DownloadButton(int index) {
    if (index == 0 && StartsRun())
        RunRows({});
    else
        run_.DownloadButton(index);
}

void MainDownloads::RunRows(std::vector<std::size_t> rows) {
    LinkList& list = main_.ListLinks();
    partial_ = !rows.empty();
    if (partial_) {
        std::vector<std::string> texts;
        texts.reserve(rows.size());
        for (const std::size_t row : rows) texts.push_back(list.At(row));
        partialList_.Assign(std::move(texts));
        partialRows_ = std::move(rows);
    } else {
        partialRows_.resize(list.Count());
        for (std::size_t i = 0; i < partialRows_.size(); ++i) partialRows_[i] = i;
    }
    outcomes_.Prune();
    outcomes_.Queue(partialRows_);
    progress_.Start(partialRows_.size(), NowMs());
    shownPercent_ = -1;
    ShowProgress(true);
    ticker_->Start(kProgressTickMs, [this] { ShowProgress(true); });
    run_.DownloadButton(0);
    ticker_->Stop();
    EndRun();
}

void MainDownloads::EndRun() {
    // Rows the run never reached (a stop) are not queued any more.
    for (const std::size_t row : partialRows_) {
        const RowOutcome* o = outcomes_.Of(row);
        if (o && (o->state == RowState::Queued || o->state == RowState::Downloading))
            outcomes_.Forget(row);
    }
    partial_ = false;
    partialList_.Clear();
    partialRows_.clear();
    main_.StatusBar.Detail(std::string());
    main_.View().Title(main_.Caption());
    if (progress_.ElapsedMs(NowMs()) < kNotifyAfterMs || main_.View().Active()) return;
    // A desktop without a notification tool may still have a notification area.
    const std::string text = main_.StatusBar.Caption();
    if (!DesktopNotify(main_.Caption(), text)) main_.View().TrayMessage(main_.Caption(), text);
}

void MainDownloads::RetryFailed() {
    if (!StartsRun()) return;
    std::vector<std::size_t> failed = outcomes_.Rows(RowState::Failed);
    if (failed.empty()) {
        main_.Interface_Status("No failed links to retry.");
        return;
    }
    RunRows(std::move(failed));
}

void MainDownloads::SelectFailed() {
    LinkList& list = main_.ListLinks();
    list.SelectAll(false);
    const std::vector<std::size_t> failed = outcomes_.Rows(RowState::Failed);
    for (const std::size_t row : failed) list.Select(row, true);
    if (!failed.empty()) list.Current(static_cast<long>(failed.front()));
    main_.RefreshView(View_List);
}

void MainDownloads::OpenDownloadFolder() {
    ShellOpen(AppSettings().savedir);
}

std::string MainDownloads::CurrentFile() const {
    const long row = main_.ListLinks().Current();
    if (row < 0) return std::string();
    const RowOutcome* o = outcomes_.Of(static_cast<std::size_t>(row));
    return o && o->state == RowState::Done ? o->target : std::string();
}

bool MainDownloads::OpenFile() {
    const std::string file = CurrentFile();
    return !file.empty() && ShellOpen(file);
}

bool MainDownloads::ShowInFolder() {
    const std::string file = CurrentFile();
    return !file.empty() && ShellShowItem(file);
}

std::size_t MainDownloads::ListRow(long runRow) const {
    const std::size_t i = static_cast<std::size_t>(runRow);
    return i < partialRows_.size() ? partialRows_[i] : i;
}

void MainDownloads::LinkDone(const LinkOutcome& o) {
    RowOutcome r;
    if (!RowOutcomeOf(o, r)) return;
    outcomes_.Set(ListRow(o.row - 1), std::move(r));
    progress_.Finished(o.row, o.bytes);
    ShowProgress(true);
}

void MainDownloads::LinkProgress(long row, std::int64_t bytes, std::int64_t total) {
    progress_.Transfer(row, bytes, total);
    const std::size_t listRow = ListRow(row - 1);
    const RowOutcome* old = outcomes_.Of(listRow);
    RowOutcome r;
    r.state = RowState::Downloading;
    r.bytes = bytes;
    r.total = total;
    if (old) r.target = old->target;
    outcomes_.Set(listRow, std::move(r));
    ShowProgress(false);
}

void MainDownloads::LinkTarget(long row, const std::string& path) {
    RowOutcome r;
    r.state = RowState::Downloading;
    r.target = path;
    outcomes_.Set(ListRow(row - 1), std::move(r));
}

void MainDownloads::ShowProgress(bool now) {
    const long long at = NowMs();
    const int percent = progress_.Percent();
    if (!now && percent == shownPercent_ && at - shownAt_ < kProgressShowMs) return;
    shownAt_ = at;
    main_.StatusBar.Detail(progress_.Text(at));
    if (percent == shownPercent_) return;
    // Noted first: drawing the title serves events, and a tick may come in between.
    shownPercent_ = percent;
    main_.View().Title(ProgressTitle(percent, main_.Caption()));
}

LinkList& MainDownloads::Links() {
    return partial_ ? partialList_ : main_.ListLinks();
}

void MainDownloads::CurrentRow(long row) {
    main_.ListLinks().Current(static_cast<long>(ListRow(row)));
    main_.RefreshView(View_Current);
}

std::string MainDownloads::PageAddress() const {
    return main_.txtUrl.text;
}

std::string MainDownloads::BaseSafe(const std::string& entry) const {
    return main_.BaseSafe(entry);
}

int MainDownloads::State() const {
    return main_.State();
}

void MainDownloads::State(int state) {
    main_.State(state);
}

void MainDownloads::Status(const std::string& text) {
    main_.Interface_Status(text);
}

ctlStatusBar& MainDownloads::StatusBar() {
    return main_.StatusBar;
}

RvNetGet& MainDownloads::Net() {
    return main_.objRvGet;
}

void MainDownloads::WriteSettings() {
    SaveSettings(false);
}

bool MainDownloads::RefinerOpen() const {
    return main_.Refiner().RefinerOpen();
}

void MainDownloads::CloseRefiner() {
    main_.Refiner().CloseRefiner();
}

void MainDownloads::AutoClose() {
    main_.AutoClose();
}

void MainDownloads::ChooseDownloadFolder() {
    main_.dirSelect_Click();
}

void MainDownloads::ShowNamingMenu() {
    main_.View().ShowNamingMenu();
}

}  // namespace ravlet
