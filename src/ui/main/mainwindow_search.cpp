// The search and the controls that start it.

#include "ui/main/mainwindow.h"

#include "app/files/fileexists.h"
#include "app/files/reportchoice.h"
#include "app/report/reportfile.h"
#include "app/robots/robotlist.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/appvalues.h"
#include "app/store/replacefile.h"
#include "app/store/windowstextfile.h"
#include "core/history/pasttimelimit.h"
#include "ui/common/busycursor.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/pastebox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <new>

namespace tallywick {
namespace {

const QString kPleaseWait = QStringLiteral("Please Wait....");
// The number shown before the reason when a report cannot be read (a device input/output error).
constexpr int kReadErrorNumber = 57;

QString FromBytes(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

void MainWindow::searchReport(const QString& path)
{
    saveAsAction_->setEnabled(pasteBoxHoldsText());

    SearchRequest request;
    for (int i = 0; i < kPanelCount; ++i)
        request.texts[static_cast<std::size_t>(i)] =
            searchBoxes_[static_cast<std::size_t>(i)]->currentText().toStdString();
    request.noDuplicates = noDuplicatesBox_->isChecked();
    request.moreFlags = moreFlags_;
    request.splitTime = values_.Split_Time;
    request.leaveOut = leaveOutOptions();

    auto status = ReportFileSearch::Status::NotFound;
    QString error;
    if (RegularFileExists(path)) {
        BusyCursor busy;
        resultBoxes_[0]->setPlainText(kPleaseWait);
        resultBoxes_[1]->setPlainText(kPleaseWait);
        // The search holds the event loop: this is all the user sees until it ends.
        resultBoxes_[0]->viewport()->repaint();
        resultBoxes_[1]->viewport()->repaint();
        auto search = SearchReportFile(path, request, trackedItems_, std::move(session_.collected));
        session_.collected = std::move(search.outcome.collected);
        status = search.status;
        error = search.error;
        if (status == ReportFileSearch::Status::Done) {
            try {
                showResult(search.outcome.result, request.leaveOut.active());
            } catch (const std::bad_alloc&) {
                status = ReportFileSearch::Status::Failed;
                error = QStringLiteral("Not enough memory to show the result");
            }
        }
        if (status == ReportFileSearch::Status::Done) {
            setStatusText(path);
            if (const auto past = CountPastTimeLimit(session_.collected, today(), values_.TimeLimit))
                setStatusText(QString::fromStdString(PastTimeLimitStatusText(past, values_.TimeLimit)));
            reportHits_ = std::move(search.outcome.result.reportHits);
            if (search.outcome.historyChanged)
                session_.HistoryChanged = true;
            NoteReportCoverage(session_, path);
        } else {
            // The counts and boxes keep what they showed before.
            resultBoxes_[0]->setPlainText(shownResults_[0]);
            resultBoxes_[1]->setPlainText(shownResults_[1]);
        }
    }
    if (status == ReportFileSearch::Status::Failed) {
        Dialogs::message(this, QStringLiteral("ZedOra"), QStringLiteral("%1 %2").arg(kReadErrorNumber).arg(error));
        return;
    }
    if (status == ReportFileSearch::Status::NotFound && NothingOpenedYet(startingReport_, path, pasteBoxHoldsText())) {
        setStatusText(QStringLiteral("Open or paste a log first"));
    } else if (status == ReportFileSearch::Status::NotFound) {
        Dialogs::message(this, QStringLiteral("File Not Found"), path);
        // The previous report's hits, for items that have become tracked since.
        if (AddTrackedHits(reportHits_, trackedItems_, session_.collected))
            session_.HistoryChanged = true;
    }

    for (int i = 0; i < kPanelCount; ++i) {
        auto& state = panels_[static_cast<std::size_t>(i)];
        if (state.SearchListChanged) {
            takePanelText(i);
            RefillSearchList(state, state.boxText);
            showPanel(i);
        }
        moreButtons_[static_cast<std::size_t>(i)]->setText(
            moreFlags_[static_cast<std::size_t>(i)] ? QStringLiteral("<<") : QStringLiteral(">>"));
    }
}

LeaveOutOptions MainWindow::leaveOutOptions()
{
    if (values_.LeaveOutRobots && !robots_ && robotListProblem_.isEmpty()) {
        auto loaded = LoadRobotMatcher(QCoreApplication::applicationDirPath());
        robots_ = std::move(loaded.matcher);
        robotListProblem_ = loaded.error;
        // Robots counted as people without a word would be a wrong count the user trusts.
        if (!robots_)
            Dialogs::message(this, QStringLiteral("Tallywick"),
                             QStringLiteral("Robots cannot be left out: %1 They are counted.").arg(robotListProblem_),
                             Dialogs::Icon::Warning);
    }
    return {.failed = values_.LeaveOutFailed, .robots = values_.LeaveOutRobots ? robots_.get() : nullptr};
}

void MainWindow::showResult(const SearchResult& result, bool leavingOut)
{
    const std::array<QPlainTextEdit*, kPanelCount> boxes{resultBoxes_[0], resultBoxes_[1]};
    const std::array<QLabel*, kPanelCount> labels{countLabels_[0], countLabels_[1]};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        shownResults_[i] = FromBytes(result.panels[i].text);
        boxes[i]->setPlainText(shownResults_[i]);
        labels[i]->setText(FromBytes(FoundLabel(result.panels[i])));
    }
    totalLabel_->setText(FromBytes(AllFoundText(result, leavingOut)));
    // The note may not fit the label's designed size.
    totalLabel_->setToolTip(leavingOut ? totalLabel_->text() : QString());
}

// The box shows its panel's state: the list, then the text.
void MainWindow::showPanel(int index)
{
    const auto& state = panels_[static_cast<std::size_t>(index)];
    QComboBox* box = searchBoxes_[static_cast<std::size_t>(index)];
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& entry : state.boxList)
        box->addItem(FromBytes(entry));
    box->setEditText(FromBytes(state.boxText));
}

// The panel's state takes the text the user left in the box.
void MainWindow::takePanelText(int index)
{
    panels_[static_cast<std::size_t>(index)].boxText =
        searchBoxes_[static_cast<std::size_t>(index)]->currentText().toStdString();
}

void MainWindow::searchPastedText()
{
    if (const auto failure = WriteTextFile(tempFilePath_, pasteBox_->toPlainText())) {
        // Searching now would show the previous paste's counts as this one's.
        Dialogs::message(this, QStringLiteral("Tallywick"),
                         QStringLiteral("The pasted text could not be written to %1 (%2), so it was not searched.")
                             .arg(QDir::toNativeSeparators(tempFilePath_), *failure),
                         Dialogs::Icon::Warning);
        return;
    }
    reportPath_ = tempFilePath_;
    moreFlags_ = {false, false};
    searchReport(reportPath_);
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

void MainWindow::searchAgain(int index)
{
    searchReport(reportPath_);
    auto& state = panels_[static_cast<std::size_t>(index)];
    takePanelText(index);
    CheckSearchString(state);
    RefillSearchList(state, state.boxText);
    showPanel(index);
}

void MainWindow::searchTextPicked(int index)
{
    searchReport(reportPath_);
    takePanelText(index);
    CheckSearchString(panels_[static_cast<std::size_t>(index)]);
}

void MainWindow::showMoreColumns(int index)
{
    const auto at = static_cast<std::size_t>(index);
    moreFlags_[at] = moreButtons_[at]->text() == QLatin1String(">>");
    searchReport(reportPath_);
}

void MainWindow::exportResult(int index)
{
    const auto at = static_cast<std::size_t>(index);
    const QPlainTextEdit* box = index == 0 ? resultBoxes_[0] : resultBoxes_[1];
    const QString path = dataFolder_.file(kResultExportNames[at]);
    if (const auto failure = WriteWindowsTextFile(path, box->toPlainText()))
        Dialogs::message(this, QStringLiteral("Tallywick"),
                         QStringLiteral("%1 could not be written (%2).").arg(QDir::toNativeSeparators(path), *failure),
                         Dialogs::Icon::Warning);
    else
        Desktop::OpenFile(path);
}

void MainWindow::noDuplicatesClicked()
{
    moreFlags_ = {false, false};
    leaveFullWindow();
    searchReport(reportPath_);
}

void MainWindow::searchOnStartClicked()
{
    leaveFullWindow();
    setStatusText(reportPath_);
}

} // namespace tallywick
