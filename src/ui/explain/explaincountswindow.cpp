#include "ui/explain/explaincountswindow.h"

#include "app/files/windowstextfile.h"
#include "app/work/backgroundjob.h"
#include "ui/common/appicon.h"
#include "ui/common/dialogs.h"
#include "ui/common/labeltexts.h"
#include "ui/explain/explanationmodel.h"
#include "ui/views/exportandopen.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace tallywick {

ExplainCountsWindow::ExplainCountsWindow(std::shared_ptr<const SearchExplanation> explanation, int panel,
                                         DataFolder dataFolder, QWidget* parent) :
    QWidget(parent, Qt::Window),
    panel_(panel), dataFolder_(std::move(dataFolder)), filterJob_(std::make_unique<BackgroundJob>())
{
    setObjectName(QStringLiteral("explainCountsWindow%1").arg(panel));
    setWindowTitle(tr("Explain Counts"));
    setWindowIcon(AppIcon());

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("explainSummary"));
    summaryLabel_->setWordWrap(true);
    summaryLabel_->setTextFormat(Qt::PlainText);

    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterBox_ = new QLineEdit(this);
    filterBox_->setObjectName(QStringLiteral("explainFilter"));
    filterBox_->setPlaceholderText(tr("text or client, such as 203.0.113.45"));
    filterBox_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filterBox_);
    filterState_ = new QLabel(this);
    filterState_->setObjectName(QStringLiteral("explainFilterState"));

    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("explainTree"));
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true); // 700,000 rows open at once
    tree_->setTextElideMode(Qt::ElideRight);
    tree_->header()->setStretchLastSection(true);

    notepadButton_ = new QPushButton(tr("&Notepad"), this);
    notepadButton_->setObjectName(QStringLiteral("explainNotepad"));
    saveAsButton_ = new QPushButton(tr("&Save As..."), this);
    saveAsButton_->setObjectName(QStringLiteral("explainSaveAs"));
    closeButton_ = new QPushButton(tr("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("explainClose"));

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filterBox_, 1);
    filterRow->addWidget(filterState_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(notepadButton_);
    buttons->addWidget(saveAsButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addLayout(filterRow);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);

    filterDelay_ = new QTimer(this);
    filterDelay_->setSingleShot(true);
    filterDelay_->setInterval(250);
    connect(filterBox_, &QLineEdit::textChanged, filterDelay_, qOverload<>(&QTimer::start));
    connect(filterDelay_, &QTimer::timeout, this, &ExplainCountsWindow::filter);
    connect(notepadButton_, &QPushButton::clicked, this, &ExplainCountsWindow::exportToNotepad);
    connect(saveAsButton_, &QPushButton::clicked, this, &ExplainCountsWindow::saveAs);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    setExplanation(std::move(explanation));
    resize(760, 480);
}

ExplainCountsWindow::~ExplainCountsWindow() = default;

void ExplainCountsWindow::setExplanation(std::shared_ptr<const SearchExplanation> explanation)
{
    filterJob_->cancel();
    filterJob_->waitForCancelled();
    explanation_ = std::move(explanation);
    const auto at = static_cast<std::size_t>(panel_);
    const PanelExplanation& lines = explanation_->explanation.panels[at];
    const auto repeats = lines.count(LineFate::Repeat);
    summaryLabel_->setText(
        tr("\"%1\": Found: %2. %3 downloads, %4 repeats of split downloads (%5); %6 lines hold the text.")
            .arg(FromBytes(explanation_->texts[at]))
            .arg(explanation_->found[at])
            .arg(lines.downloads.size())
            .arg(repeats)
            .arg(explanation_->noDuplicates ? tr("not counted: No duplicates is on") : tr("counted too"))
            .arg(lines.lines.size()));
    auto model = std::make_unique<ExplanationModel>(explanation_, panel_);
    tree_->setModel(model.get());
    model_ = std::move(model); // the view let go of the old one first
    tree_->expand(model_->index(0, 0));
    if (!filterBox_->text().isEmpty())
        filter();
}

void ExplainCountsWindow::filter()
{
    filterState_->setText(tr("Filtering..."));
    const QString text = filterBox_->text();
    // The job reads the explanation, which this window keeps until the job has ended.
    filterJob_->start([this, explanation = explanation_, panel = panel_, text](const BackgroundJob::Channel& channel) {
        auto selection = std::make_shared<ExplanationSelection>(SelectLines(*explanation, panel, text, channel.stop));
        return [this, selection] {
            if (!selection->complete)
                return;
            model_->setSelection(std::move(*selection));
            // What a filter keeps is short: every group shows it.
            for (int group = 0; group < model_->rowCount(); ++group)
                tree_->expand(model_->index(group, 0));
            filterState_->clear();
        };
    });
}

void ExplainCountsWindow::exportToNotepad()
{
    const QByteArray text = WithWindowsLineBreaks(model_->shownText());
    ExportAndOpen(this, dataFolder_, "explain.txt",
                  std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

void ExplainCountsWindow::saveAs()
{
    const QString name = dataFolder_.file("explain.txt");
    const auto path = Dialogs::saveFileName(
        this, {tr("Save As"), QFileInfo(name).absolutePath(), name, {tr("Text (*.txt)")}, tr("Text (*.txt)")});
    if (!path || path->isEmpty())
        return;
    if (const auto failure = WriteWindowsTextFile(*path, model_->shownText()))
        Dialogs::message(this, tr("Tallywick"),
                         tr("The text could not be saved to %1 (%2).").arg(QDir::toNativeSeparators(*path), *failure),
                         Dialogs::Icon::Warning);
}

} // namespace tallywick
