#include "ui/main/searchpanel.h"

#include "ui/common/buttons.h"
#include "ui/common/labeltexts.h"
#include "ui/main/resultboxfiller.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace tallywick {
namespace {

QString PleaseWait()
{
    return QCoreApplication::translate("tallywick::MainWindow", "Please Wait....");
}

QComboBox* NewSearchBox(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    // The list grows only by the remembered search texts, and typing is never completed.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setDuplicatesEnabled(true);
    box->setMaxVisibleItems(12);
    // A long remembered text must not widen the window.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(20);
    return box;
}

} // namespace

SearchPanel::SearchPanel(int index, const QString& designedText, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("searchPanel%1").arg(index));
    const auto named = [index](const char* name) { return QString::fromLatin1(name) + QString::number(index); };

    findLabel_ = new QLabel(tr("Find:"), this);
    findLabel_->setObjectName(named("findLabel"));
    searchBox_ = NewSearchBox(named("searchBox"), this);
    searchBox_->setEditText(designedText);
    findLabel_->setBuddy(searchBox_);
    moreButton_ = NewNarrowButton(QStringLiteral(">>"), named("moreButton"), this);
    goButton_ = NewNarrowButton(tr("Go"), named("goButton"), this);
    notepadButton_ = NewButton(tr("Notepad"), named("notepadButton"), this);
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(named("countLabel"));
    countLabel_->setMinimumWidth(countLabel_->fontMetrics().horizontalAdvance(FoundText(kWidestCount)) + 2);
    countLabel_->setToolTip(tr("Click to see why the count is what it is, line by line"));
    whyButton_ = NewNarrowButton(tr("Why?"), named("whyButton"), this);
    whyButton_->setToolTip(tr("Explain Counts: every line that holds the text and what became of it"));
    whyButton_->setEnabled(false);
    downloadsLabel_ = new QLabel(this);
    downloadsLabel_->setObjectName(named("downloadsLabel"));
    downloadsLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resultBox_ = new QPlainTextEdit(this);
    resultBox_->setObjectName(named("resultBox"));
    resultBox_->setReadOnly(true);
    resultBox_->setUndoRedoEnabled(false);
    resultBox_->setTabChangesFocus(true);
    filler_ = new ResultBoxFiller(resultBox_);

    // "Find:" with ">>" and "Notepad" above the right end of the search box, "Go" and the count
    // beside the box, and the result box below, growing with the window.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->addWidget(findLabel_, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(moreButton_, 0, 1);
    grid->addWidget(notepadButton_, 0, 2);
    grid->addWidget(searchBox_, 1, 0);
    grid->addWidget(goButton_, 1, 1);
    auto* count = new QHBoxLayout;
    count->setSpacing(4);
    count->addWidget(countLabel_, 1);
    count->addWidget(whyButton_);
    grid->addLayout(count, 1, 2);
    grid->addWidget(downloadsLabel_, 2, 0, 1, 3);
    grid->addWidget(resultBox_, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);

    connect(goButton_, &QPushButton::clicked, this, &SearchPanel::searchRequested);
    connect(searchBox_, &QComboBox::activated, this, &SearchPanel::textPicked);
    connect(moreButton_, &QPushButton::clicked, this, [this] {
        setShowsMore(!more_);
        emit moreToggled();
    });
    connect(notepadButton_, &QPushButton::clicked, this, &SearchPanel::exportRequested);
    connect(whyButton_, &QPushButton::clicked, this, &SearchPanel::explainRequested);
    countLabel_->installEventFilter(this);
    // Enter in the box is "Go"; the box itself must not see it.
    searchBox_->installEventFilter(this);
    searchBox_->lineEdit()->installEventFilter(this);
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == countLabel_ && event->type() == QEvent::MouseButtonRelease && whyButton_->isEnabled() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit explainRequested();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == searchBox_ || watched == searchBox_->lineEdit())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit searchRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchPanel::setState(SearchPanelState state)
{
    state_ = std::move(state);
    showState();
}

SearchPanelState SearchPanel::state() const
{
    SearchPanelState state = state_;
    state.boxText = searchText();
    return state;
}

std::string SearchPanel::searchText() const
{
    return searchBox_->currentText().toStdString();
}

void SearchPanel::takeText()
{
    state_.boxText = searchText();
}

// The box shows the state: the list, then the text.
void SearchPanel::showState()
{
    const QSignalBlocker quiet(searchBox_);
    searchBox_->clear();
    for (const auto& entry : state_.boxList)
        searchBox_->addItem(FromBytes(entry));
    searchBox_->setEditText(FromBytes(state_.boxText));
}

void SearchPanel::refreshList()
{
    if (!state_.SearchListChanged)
        return;
    takeText();
    RefillSearchList(state_, state_.boxText);
    showState();
}

void SearchPanel::rememberSearchText()
{
    takeText();
    CheckSearchString(state_);
    RefillSearchList(state_, state_.boxText);
    showState();
}

void SearchPanel::notePickedText()
{
    takeText();
    CheckSearchString(state_);
}

void SearchPanel::setShowsMore(bool more)
{
    more_ = more;
    moreButton_->setText(more ? QStringLiteral("<<") : QStringLiteral(">>"));
}

void SearchPanel::showResult(std::int64_t found, const std::optional<PanelDownloads>& downloads, QString text)
{
    shownResult_ = std::move(text);
    shownCount_ = FoundText(found);
    shownDownloads_ = downloads;
    filler_->fill(shownResult_);
    showCounts(shownCount_, shownDownloads_);
}

void SearchPanel::showSearching()
{
    filler_->fill(PleaseWait());
    countLabel_->setText(tr("Searching..."));
    downloadsLabel_->clear();
    downloadsLabel_->setToolTip({});
}

void SearchPanel::showLastResult()
{
    filler_->fill(shownResult_);
    showCounts(shownCount_, shownDownloads_);
}

void SearchPanel::setExplainable(bool explainable)
{
    whyButton_->setEnabled(explainable);
    countLabel_->setCursor(explainable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SearchPanel::showCounts(const QString& count, const std::optional<PanelDownloads>& downloads)
{
    countLabel_->setText(count);
    downloadsLabel_->setText(downloads ? DownloadCountsText(*downloads) : QString());
    downloadsLabel_->setToolTip(downloads ? DownloadCountsToolTip(*downloads) : QString());
}

void SearchPanel::showCountsOfSearch(std::int64_t found, const std::optional<PanelDownloads>& downloads)
{
    showCounts(FoundText(found), downloads);
}

std::vector<QWidget*> SearchPanel::tabOrder() const
{
    return {searchBox_, goButton_, whyButton_, moreButton_, notepadButton_, resultBox_};
}

QWidget* SearchPanel::resultBox() const
{
    return resultBox_;
}

} // namespace tallywick
