// The search and the controls that start it.

#include "ui/main/mainwindow.h"

#include "app/files/fileexists.h"
#include "app/report/reportfile.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/appvalues.h"
#include "app/store/replacefile.h"
#include "ui/common/busycursor.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/pastebox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

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

void MainWindow::SearchReport(const QString& path)
{
    mnuFileSaveAs->setEnabled(PasteBoxHoldsText());

    SearchRequest request;
    for (int i = 0; i < kPanelCount; ++i)
        request.texts[static_cast<std::size_t>(i)] = Combo1[static_cast<std::size_t>(i)]->currentText().toStdString();
    request.noDuplicates = chkNoDuplicates->isChecked();
    request.moreFlags = MoreFlags;
    request.splitTime = values_.Split_Time;

    auto status = ReportFileSearch::Status::NotFound;
    QString error;
    if (FileExists(path)) {
        BusyCursor busy;
        RichTextBox1->setPlainText(kPleaseWait);
        RichTextBox2->setPlainText(kPleaseWait);
        // The search holds the event loop: this is all the user sees until it ends.
        RichTextBox1->viewport()->repaint();
        RichTextBox2->viewport()->repaint();
        auto search = SearchReportFile(path, request, TrackedItems_, std::move(session_.collected));
        session_.collected = std::move(search.outcome.collected);
        status = search.status;
        error = search.error;
        if (status == ReportFileSearch::Status::Done) {
            ShowResult(search.outcome.result);
            SetStatusText(path);
            ReportHits_ = std::move(search.outcome.result.reportHits);
            if (search.outcome.historyChanged)
                session_.HistoryChanged = true;
        } else {
            // The counts and boxes keep what they showed before.
            RichTextBox1->setPlainText(shownResults_[0]);
            RichTextBox2->setPlainText(shownResults_[1]);
        }
    }
    if (status == ReportFileSearch::Status::Failed) {
        Dialogs::message(this, QStringLiteral("ZedOra"), QStringLiteral("%1 %2").arg(kReadErrorNumber).arg(error));
        return;
    }
    if (status == ReportFileSearch::Status::NotFound) {
        Dialogs::message(this, QStringLiteral("File Not Found"), path);
        // The previous report's hits, for items that have become tracked since.
        if (AddTrackedHits(ReportHits_, TrackedItems_, session_.collected))
            session_.HistoryChanged = true;
    }

    for (int i = 0; i < kPanelCount; ++i) {
        auto& state = panels_[static_cast<std::size_t>(i)];
        if (state.SearchListChanged) {
            TakePanelText(i);
            RefillSearchList(state, state.boxText);
            ShowPanel(i);
        }
        cmdmore[static_cast<std::size_t>(i)]->setText(MoreFlags[static_cast<std::size_t>(i)] ? QStringLiteral("<<")
                                                                                             : QStringLiteral(">>"));
    }
}

void MainWindow::ShowResult(const SearchResult& result)
{
    const std::array<QPlainTextEdit*, kPanelCount> boxes{RichTextBox1, RichTextBox2};
    const std::array<QLabel*, kPanelCount> labels{lblExe, lblZip};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        shownResults_[i] = FromBytes(result.panels[i].text);
        boxes[i]->setPlainText(shownResults_[i]);
        labels[i]->setText(FromBytes(FoundLabel(result.panels[i])));
    }
    lblAll->setText(FromBytes(AllFoundLabel(result)));
}

// The box shows its panel's state: the list, then the text.
void MainWindow::ShowPanel(int Index)
{
    const auto& state = panels_[static_cast<std::size_t>(Index)];
    QComboBox* box = Combo1[static_cast<std::size_t>(Index)];
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& entry : state.boxList)
        box->addItem(FromBytes(entry));
    box->setEditText(FromBytes(state.boxText));
}

// The panel's state takes the text the user left in the box.
void MainWindow::TakePanelText(int Index)
{
    panels_[static_cast<std::size_t>(Index)].boxText =
        Combo1[static_cast<std::size_t>(Index)]->currentText().toStdString();
}

void MainWindow::rtbPasteBox_Change()
{
    if (const auto failure = WriteTextFile(TempFilePath_, rtbPasteBox->toPlainText())) {
        // Searching now would show the previous paste's counts as this one's.
        Dialogs::message(this, QStringLiteral("Tallywick"),
                         QStringLiteral("The pasted text could not be written to %1 (%2), so it was not searched.")
                             .arg(QDir::toNativeSeparators(TempFilePath_), *failure),
                         Dialogs::Icon::Warning);
        return;
    }
    ReportPath_ = TempFilePath_;
    MoreFlags = {false, false};
    SearchReport(ReportPath_);
}

bool MainWindow::PasteBoxHoldsText() const
{
    const QTextDocument* document = rtbPasteBox->document();
    // Only a short text can be the prompt; a long one is not copied to find out.
    if (document->characterCount() - 1 > kPastePrompt.size())
        return true;
    const QString text = rtbPasteBox->toPlainText();
    return !text.isEmpty() && text != kPastePrompt;
}

// Changing the box's text runs its change handling (a search) before this returns.
void MainWindow::SetPasteBoxText(const QString& text)
{
    if (rtbPasteBox->toPlainText() != text)
        rtbPasteBox->setPlainText(text);
}

void MainWindow::cmdRefresh_Click(int Index)
{
    SearchReport(ReportPath_);
    auto& state = panels_[static_cast<std::size_t>(Index)];
    TakePanelText(Index);
    CheckSearchString(state);
    RefillSearchList(state, state.boxText);
    ShowPanel(Index);
}

void MainWindow::Combo1_Click(int Index)
{
    SearchReport(ReportPath_);
    TakePanelText(Index);
    CheckSearchString(panels_[static_cast<std::size_t>(Index)]);
}

void MainWindow::cmdmore_Click(int Index)
{
    const auto at = static_cast<std::size_t>(Index);
    MoreFlags[at] = cmdmore[at]->text() == QLatin1String(">>");
    SearchReport(ReportPath_);
}

void MainWindow::cmdNotePad_Click(int Index)
{
    const auto at = static_cast<std::size_t>(Index);
    const QPlainTextEdit* box = Index == 0 ? RichTextBox1 : RichTextBox2;
    const QString path = dataFolder_.file(kResultExportNames[at]);
    if (!WriteTextFile(path, box->toPlainText()))
        Desktop::OpenFile(path);
}

void MainWindow::chkNoDuplicates_Click()
{
    MoreFlags = {false, false};
    UncheckFullWindow();
    SearchReport(ReportPath_);
}

void MainWindow::chkSearchFile_Click()
{
    UncheckFullWindow();
    SetStatusText(ReportPath_);
}

} // namespace tallywick
