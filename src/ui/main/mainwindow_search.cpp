// The search and the controls that start it.

#include "ui/main/mainwindow.h"

#include "app/files/fileexists.h"
#include "app/files/reportchoice.h"
#include "app/files/windowstextfile.h"
#include "app/history/historykeeper.h"
#include "app/report/reportexplain.h"
#include "app/report/reportfile.h"
#include "app/robots/robotlist.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/preferences.h"
#include "app/work/backgroundjob.h"
#include "app/work/freedmemory.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/common/labeltexts.h"
#include "ui/common/windowregistry.h"
#include "ui/explain/explaincountswindow.h"
#include "ui/main/pastebox.h"
#include "ui/main/searchpanel.h"
#include "ui/main/workprogress.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace tallywick {

// What a search made on its thread, for the window to show.
struct FinishedSearch {
    ReportFileSearch search; // its collected hits: the tracked downloads it found, each once
    std::array<QString, kPanelCount> texts;
    KeptReportHits reportHits;
    std::vector<std::string> trackedItems; // those it looked for
    LeaveOutOptions leaveOut;              // what was left out
    std::shared_ptr<const SearchExplanation> explanation;
};

namespace {

// The number shown before the reason when a report cannot be read (a device input/output error).
constexpr int kReadErrorNumber = 57;
// Worded on the search's thread too: translate() may be called from any thread.
QString NoMemoryToShow()
{
    return QCoreApplication::translate("tallywick::MainWindow", "Not enough memory to show the result");
}

// The number, the report when it is known (one of several may have failed) and the reason.
QString FailureText(const ReportFileSearch& search)
{
    if (search.failedPath.isEmpty())
        return QStringLiteral("%1 %2").arg(kReadErrorNumber).arg(search.error);
    return QStringLiteral("%1 %2: %3")
        .arg(kReadErrorNumber)
        .arg(QDir::toNativeSeparators(search.failedPath.text()), search.error);
}

// What the search kept of each line, for the Explain Counts window: where each line stands (or its
// text, for reports that cannot be read back), and the robot patterns that matched.
std::shared_ptr<const SearchExplanation> Explanation(ExplainSink& sink, const ReportFileSearch& search,
                                                     const ReportPaths& reports, const SearchRequest& request,
                                                     bool textsKept)
{
    auto explanation = std::make_shared<SearchExplanation>();
    const SearchCounts& counts = search.outcome.result.counts;
    explanation->explanation = std::move(sink).finish(counts.downloads ? counts.downloads->sizes : FileSizes{});
    explanation->reports = reports;
    explanation->starts = search.starts;
    if (!textsKept)
        explanation->lines = ReportLines(reports, search.starts);
    explanation->texts = request.texts;
    explanation->found = counts.found;
    explanation->noDuplicates = request.noDuplicates;
    if (const auto* robots = dynamic_cast<const RobotMatcher*>(request.leaveOut.robots)) {
        for (const PanelExplanation& panel : explanation->explanation.panels) {
            for (const ExplainedLine& line : panel.lines) {
                if (line.fate == LineFate::Robot && line.detail >= 0)
                    explanation->robotPatterns.try_emplace(line.detail,
                                                           robots->patternAt(static_cast<std::size_t>(line.detail)));
            }
        }
    }
    return explanation;
}

// The counts beside a panel's "Found", when the search made them.
std::optional<PanelDownloads> DownloadsOf(const SearchCounts& counts, std::size_t panel)
{
    return counts.downloads ? std::optional(counts.downloads->panels[panel]) : std::nullopt;
}

// Runs on the search's thread: everything it reads is its own.
// countsReady is told the counts as soon as the reports are searched, before the texts are made.
FinishedSearch RunSearch(const QStringList& paths, const SearchRequest& request, std::vector<std::string> trackedItems,
                         const ReportOpener& open, const SearchProgress& progress,
                         const std::function<void(const SearchCounts&)>& countsReady)
{
    FinishedSearch found;
    const ReportPaths reports = ReportPathsOf(paths);
    // A pipe or a compressed report cannot be read back by offset: its lines' texts are kept.
    const bool keepTexts = !ReportLines::CanReadBack(reports);
    const auto* robots = request.leaveOut.robots ? request.leaveOut.robots : request.leaveOut.downloadTools;
    ExplainSink fates(robots, keepTexts ? ExplainSink::Texts::Keep : ExplainSink::Texts::Drop);
    found.search = SearchReportFiles(reports, request, trackedItems, open, progress,
                                     keepTexts ? ResultTextSink::ReportHits::Keep : ResultTextSink::ReportHits::Places,
                                     CoveredDays::Gather, &fates);
    found.trackedItems = std::move(trackedItems);
    found.leaveOut = request.leaveOut;
    if (found.search.status != ReportFileSearch::Status::Done)
        return found;
    countsReady(found.search.outcome.result.counts);
    try {
        auto& result = found.search.outcome.result;
        found.reportHits =
            keepTexts ? KeptReportHits(std::move(result.reportHits))
                      : KeptReportHits(std::move(result.reportHitPlaces), ReportLines(reports, found.search.starts));
        found.explanation = Explanation(fates, found.search, reports, request, keepTexts);
        for (std::size_t i = 0; i < found.texts.size(); ++i) {
            found.texts[i] = FromBytes(result.texts[i]);
            // Held once, as the box's text.
            LargeText().swap(result.texts[i]);
        }
    } catch (const std::bad_alloc&) {
        found = FinishedSearch{};
        found.search.status = ReportFileSearch::Status::Failed;
        found.search.error = NoMemoryToShow();
    }
    ReturnFreedMemory(); // the search's working memory, freed now
    return found;
}

} // namespace

QStringList MainWindow::searchedReports() const
{
    if (reportPaths_.size() > 1 && reportPaths_.constLast() == reportPath_)
        return reportPaths_;
    return {reportPath_};
}

QString MainWindow::searchedReportsText(const QStringList& paths) const
{
    if (paths.size() == 1)
        return paths.constFirst();
    return tr("%1 reports searched: %2").arg(paths.size()).arg(paths.join(QStringLiteral(", ")));
}

void MainWindow::searchReport(std::function<void()> then)
{
    cancelSearch();
    saveAsAction_->setEnabled(pasteBoxHoldsText());
    afterSearch_ = std::move(then);

    SearchRequest request;
    for (const SearchPanel* panel : panels_) {
        const auto at = static_cast<std::size_t>(panel->index());
        request.texts[at] = panel->searchText();
        request.moreFlags[at] = panel->showsMore();
    }
    request.noDuplicates = noDuplicatesBox_->isChecked();
    const CountingOptions& counting = preferences_.counting();
    request.splitTime = counting.splitTime;
    request.leaveOut = leaveOutOptions();
    request.ipv6Network64 = counting.ipv6Network64;
    request.countDownloads = true;
    request.givenSizes = counting.fileSizes;

    const QStringList paths = searchedReports();
    qint64 totalBytes = 0;
    for (const QString& path : paths) {
        if (!RegularFileExists(path)) {
            reportNotFound(path);
            endSearch(true);
            return;
        }
        totalBytes += QFileInfo(path).size();
    }
    for (SearchPanel* panel : panels_) {
        panel->showSearching();
        panel->setExplainable(false);
    }
    totalLabel_->setText(tr("Searching..."));
    workProgress_->beginSearch(totalBytes);
    // The work captures the window only for the steps it posts back.
    searchJob_->start([this, paths, request, tracked = history_.trackedItems(),
                       open = reportOpener_](const BackgroundJob::Channel& channel) {
        // A step a block would keep the window busy repainting the bar (a quarter of a core at
        // 10M lines), the core the search needs: a few dozen a second are as smooth.
        auto lastShown = std::chrono::steady_clock::time_point{};
        const auto progress = [&, lastShown](qint64 bytesRead, std::int64_t lines) mutable {
            const auto now = std::chrono::steady_clock::now();
            if (now - lastShown >= std::chrono::milliseconds(40)) {
                lastShown = now;
                channel.post([this, bytesRead, lines] { workProgress_->searched(bytesRead, lines); });
            }
            return !channel.stopped();
        };
        const auto countsReady = [&](const SearchCounts& counts) {
            channel.post([this, counts] { showCounts(counts); });
        };
        auto found = std::make_shared<FinishedSearch>(RunSearch(paths, request, tracked, open, progress, countsReady));
        return [this, paths, found] { showSearchResult(paths, std::move(*found)); };
    });
}

LeaveOutOptions MainWindow::leaveOutOptions()
{
    const CountingOptions& counting = preferences_.counting();
    if ((counting.leaveOutRobots || counting.leaveOutDownloadTools) && !robots_ && robotListProblem_.isEmpty()) {
        auto loaded = LoadRobotMatcher(QCoreApplication::applicationDirPath());
        robots_ = std::move(loaded.matcher);
        robotListProblem_ = loaded.error;
        // Robots counted as people without a word would be a wrong count the user trusts.
        if (!robots_)
            Dialogs::message(
                this, QStringLiteral("Tallywick"),
                tr("Robots and download tools cannot be left out: %1 They are counted.").arg(robotListProblem_),
                Dialogs::Icon::Warning);
        else if (!loaded.warning.isEmpty())
            Dialogs::message(this, QStringLiteral("Tallywick"), loaded.warning, Dialogs::Icon::Warning);
    }
    return {.failed = counting.leaveOutFailed,
            .robots = counting.leaveOutRobots ? robots_.get() : nullptr,
            .downloadTools = counting.leaveOutDownloadTools ? robots_.get() : nullptr};
}

void MainWindow::showSearchResult(const QStringList& paths, FinishedSearch found)
{
    workProgress_->end();
    auto& search = found.search;
    if (search.status == ReportFileSearch::Status::Done) {
        try {
            showResult(search.outcome.result, std::move(found.texts), found.leaveOut);
        } catch (const std::bad_alloc&) {
            search.status = ReportFileSearch::Status::Failed;
            search.error = NoMemoryToShow();
        }
    }
    if (search.status != ReportFileSearch::Status::Done) {
        // The counts and boxes keep what they showed before.
        restoreResults();
        if (search.status == ReportFileSearch::Status::Failed)
            Dialogs::message(this, QStringLiteral("ZedOra"), FailureText(search));
        endSearch(false);
        return;
    }
    setStatusText(searchedReportsText(paths));
    shownReportPath_ = reportPath_;
    shownReportPaths_ = reportPaths_;
    resultShown_ = true;
    const auto& outcome = search.outcome;
    const auto days = search.days.value_or(std::vector<std::chrono::sys_days>{});
    if (const auto past = history_.takeSearch({outcome.collected, found.trackedItems, found.reportHits, days}))
        setStatusText(PastTimeLimitText(past, preferences_.timeLimit()));
    reportHits_ = std::move(found.reportHits);
    explanation_ = std::move(found.explanation);
    for (SearchPanel* panel : panels_)
        panel->setExplainable(explanation_ != nullptr);
    for (const auto& window : explainWindows_) {
        if (window)
            window->setExplanation(explanation_);
    }
    endSearch(true);
}

void MainWindow::explainCounts(int index)
{
    if (!explanation_)
        return;
    QPointer<ExplainCountsWindow>& window = explainWindows_[static_cast<std::size_t>(index)];
    if (!window) {
        window = new ExplainCountsWindow(explanation_, index, dataFolder_, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    BringForward(window);
}

void MainWindow::reportNotFound(const QString& path)
{
    if (NothingOpenedYet(startingReport_, path, pasteBoxHoldsText())) {
        setStatusText(tr("Open or paste a log first"));
        return;
    }
    Dialogs::message(this, tr("File Not Found"), path);
    // The previous report's hits, for items that have become tracked since.
    history_.collectTracked(reportHits_);
}

// Nothing of a cancelled search is shown or collected; what was to follow it still runs.
void MainWindow::cancelSearch()
{
    if (!isSearching())
        return;
    searchJob_->cancel();
    workProgress_->end();
    restoreResults();
    endSearch(true);
}

// The steps after the search, as they always followed it (not after a failed search).
void MainWindow::endSearch(bool refreshPanels)
{
    if (refreshPanels) {
        for (SearchPanel* panel : panels_)
            panel->refreshList();
    }
    if (auto then = std::exchange(afterSearch_, {}))
        then();
    emit searchFinished();
}

void MainWindow::showResult(const SearchResult& result, std::array<QString, kPanelCount> texts,
                            const LeaveOutOptions& leaveOut)
{
    for (SearchPanel* panel : panels_) {
        const auto at = static_cast<std::size_t>(panel->index());
        panel->showResult(result.counts.found[at], DownloadsOf(result.counts, at), std::move(texts[at]));
    }
    shownTotal_ = AllFoundText(result.counts.allFound, result.counts.lineCount);
    totalLabel_->setText(shownTotal_);
    QString leftOut =
        leaveOut.downloadTools ? LeftOutWithToolsText(result.counts.leftOut) : LeftOutText(result.counts.leftOut);
    if (result.counts.agents.none())
        leftOut += QLatin1Char('\n') + NoAgentsText();
    leftOutLabel_->setText(leftOut);
    leftOutLabel_->setVisible(leaveOut.active());
}

// A cancel from here on shows the last result again, as a cancel during the search does.
void MainWindow::showCounts(const SearchCounts& counts)
{
    if (!isSearching())
        return;
    workProgress_->end();
    for (SearchPanel* panel : panels_) {
        const auto at = static_cast<std::size_t>(panel->index());
        panel->showCountsOfSearch(counts.found[at], DownloadsOf(counts, at));
    }
    totalLabel_->setText(AllFoundText(counts.allFound, counts.lineCount));
}

void MainWindow::restoreResults()
{
    for (SearchPanel* panel : panels_) {
        panel->showLastResult();
        panel->setExplainable(explanation_ != nullptr);
    }
    totalLabel_->setText(shownTotal_);
}

SearchPanelState MainWindow::panel(int index) const
{
    return panels_[static_cast<std::size_t>(index)]->state();
}

void MainWindow::searchPastedText()
{
    if (const auto failure = WriteWindowsTextFile(tempFilePath_, pasteBox_->toPlainText())) {
        // Searching now would show the previous paste's counts as this one's.
        Dialogs::message(this, QStringLiteral("Tallywick"),
                         tr("The pasted text could not be written to %1 (%2), so it was not searched.")
                             .arg(QDir::toNativeSeparators(tempFilePath_), *failure),
                         Dialogs::Icon::Warning);
        return;
    }
    reportPath_ = tempFilePath_;
    reportPaths_.clear();
    showShortResults();
    searchReport();
}

bool MainWindow::pasteBoxHoldsText() const
{
    const QTextDocument* document = pasteBox_->document();
    // Only a short text can be the prompt; a long one is not copied to find out.
    if (document->characterCount() - 1 > kPastePrompt.size())
        return true;
    const QString text = pasteBox_->toPlainText();
    return !text.isEmpty() && text != kPastePrompt;
}

// Changing the box's text runs its change handling (a search) before this returns.
void MainWindow::setPasteBoxText(const QString& text)
{
    if (pasteBox_->toPlainText() != text)
        pasteBox_->setPlainText(text);
}

void MainWindow::searchShownReportAgain()
{
    if (closing_)
        return;
    // A running search begins again with the new options.
    if (!isSearching()) {
        if (!resultShown_)
            return;
        reportPath_ = shownReportPath_;
        reportPaths_ = shownReportPaths_;
    }
    searchReport();
}

void MainWindow::searchAgain(int index)
{
    // The box's text is remembered once the search has ended, as it always was.
    searchReport([this, index] { panels_[static_cast<std::size_t>(index)]->rememberSearchText(); });
}

void MainWindow::searchTextPicked(int index)
{
    searchReport([this, index] { panels_[static_cast<std::size_t>(index)]->notePickedText(); });
}

void MainWindow::showMoreColumns(int index)
{
    const auto at = static_cast<std::size_t>(index);
    moreFlags_[at] = panels_[at]->showsMore();
    searchReport();
}

void MainWindow::showShortResults()
{
    moreFlags_ = {false, false};
    for (SearchPanel* panel : panels_)
        panel->setShowsMore(false);
}

void MainWindow::exportResult(int index)
{
    const auto at = static_cast<std::size_t>(index);
    const QString path = dataFolder_.file(kResultExportNames[at]);
    // The whole result, also while the box is still being filled.
    if (const auto failure = WriteWindowsTextFile(path, panels_[at]->resultText()))
        Dialogs::message(this, QStringLiteral("Tallywick"),
                         tr("%1 could not be written (%2).").arg(QDir::toNativeSeparators(path), *failure),
                         Dialogs::Icon::Warning);
    else
        Desktop::OpenWrittenFile(this, path);
}

void MainWindow::noDuplicatesClicked()
{
    showShortResults();
    leaveFullWindow();
    searchReport();
}

void MainWindow::searchOnStartClicked()
{
    leaveFullWindow();
    setStatusText(searchedReportsText(searchedReports()));
}

} // namespace tallywick
