#include "ui/dialogs/advancedoptionsdialog.h"

#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/filesizestable.h"
#include "ui/dialogs/fixeddialog.h"
#include "ui/dialogs/shortlist.h"
#include "ui/dialogs/timeframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tallywick {
namespace {

constexpr int kMargin = 8;
constexpr int kButtonGap = 6;

struct Tab {
    const char* caption;
    const char* key;
    const char* toolTip;
};

constexpr std::array<Tab, 4> kTabs{{
    {QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Split Downloads"), "Group1",
     QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Set Options for Split Downloads")},
    {QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Counting"), "Group2",
     QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Set What the Counts Leave Out")},
    {QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Empty"), "Group3",
     QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Set Options for Group 3")},
    {QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Empty"), "Group4",
     QT_TRANSLATE_NOOP("tallywick::AdvancedOptionsDialog", "Set Options for Group 4")},
}};

// The later tabs hold nothing yet but their frame.
QGroupBox* EmptySample(int number)
{
    auto* frame =
        new QGroupBox(QCoreApplication::translate("tallywick::AdvancedOptionsDialog", "Sample %1").arg(number));
    frame->setObjectName(QStringLiteral("sample%1Frame").arg(number));
    return frame;
}

// A check box with a line of explanation under it, indented to its caption.
void AddExplainedBox(QVBoxLayout* layout, QCheckBox* box, const QString& explanation)
{
    auto* label = new QLabel(explanation);
    label->setWordWrap(true);
    label->setIndent(box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                     box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    layout->addWidget(box);
    layout->addWidget(label);
    layout->addSpacing(8);
}

void FillPage(QWidget* page, QWidget* content)
{
    auto* layout = new QVBoxLayout(page);
    // The frame keeps the place it had inside the tab's page.
    layout->setContentsMargins(4, 6, 4, 4);
    layout->addWidget(content);
}

} // namespace

// Shows its page whole where the screen has room, and scrolls it where it has not (a low
// screen, or a large scale): the buttons below always stay on the screen.
class PageScroller : public QScrollArea {
public:
    explicit PageScroller(QWidget* page)
    {
        setWidget(page);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    void limitHeight(int height)
    {
        limit_ = height;
        setVerticalScrollBarPolicy(height == QWIDGETSIZE_MAX ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
        // A page of a tab not shown does not pass a changed hint on by itself.
        for (QWidget* widget = this; widget && !widget->isWindow(); widget = widget->parentWidget())
            widget->updateGeometry();
    }
    // The tabs take their height from their pages' heights for their width: the page's.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        const QWidget* page = widget();
        return std::min(page->hasHeightForWidth() ? page->heightForWidth(width) : page->sizeHint().height(), limit_);
    }
    QSize sizeHint() const override
    {
        // QScrollArea's own hint stops at 24 lines, which would scroll the page on any screen.
        QSize hint = widget()->sizeHint();
        if (hint.height() > limit_) {
            hint.setHeight(limit_);
            hint.rwidth() += verticalScrollBar()->sizeHint().width();
        }
        return hint;
    }

private:
    int limit_ = QWIDGETSIZE_MAX;
};

void AdvancedOptionsDialog::placeOnScreen(const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The window's frame is not known before it shows: leave room for a title bar.
    const int room = area.height() - style()->pixelMetric(QStyle::PM_TitleBarHeight) - 8;
    countingScroller_->limitHeight(QWIDGETSIZE_MAX);
    for (int pass = 0; pass < 3; ++pass) {
        layout()->activate();
        const int over = sizeHint().height() - room;
        if (over <= 0)
            break;
        const int shown = countingScroller_->heightForWidth(countingScroller_->sizeHint().width());
        countingScroller_->limitHeight(std::max(shown - over, 80));
    }
    // Until its layout has been asked, the window has the size every new window has.
    adjustSize();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

AdvancedOptionsDialog::AdvancedOptionsDialog(Preferences& preferences, QWidget* parent) :
    QDialog(parent, kFixedDialogFlags), preferences_(preferences)
{
    setObjectName(QStringLiteral("AdvancedOptionsDialog"));
    setWindowTitle(tr("Advanced Options"));
    setWindowIcon(AppIcon());

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->tabBar()->setExpanding(false);
    for (std::size_t i = 0; i < kTabs.size(); ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("page%1").arg(i));
        // The wrapped texts' heights count for every tab, not only the one shown: the window
        // keeps one height whichever is chosen.
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
        const int index = tabs_->addTab(page, tr(kTabs[i].caption));
        tabs_->tabBar()->setTabData(index, QLatin1String(kTabs[i].key));
        tabs_->setTabToolTip(index, tr(kTabs[i].toolTip));
    }

    auto* splitDownloads = new QGroupBox(tr("Options: "));
    splitDownloads->setObjectName(QStringLiteral("splitDownloadFrame"));
    auto* timeFrameLabel = new QLabel(tr("Time Limit:"), splitDownloads);
    timeFrameBox_ = new QComboBox(splitDownloads);
    timeFrameBox_->setObjectName(QStringLiteral("timeFrameBox"));
    ShowTwelveAtMost(timeFrameBox_);
    timeFrameLabel->setBuddy(timeFrameBox_);
    auto* instruction = new QLabel(tr("Select a time frame in which traffic with the same server will be "
                                      "counted as one download so that split downloads will not skew the "
                                      "result."),
                                   splitDownloads);
    instruction->setWordWrap(true);
    // As wide as designed: the sentence takes three lines.
    instruction->setMinimumWidth(instruction->fontMetrics().averageCharWidth() * 56);
    auto* splitLayout = new QVBoxLayout(splitDownloads);
    splitLayout->addWidget(timeFrameLabel);
    splitLayout->addWidget(timeFrameBox_, 0, Qt::AlignLeft);
    splitLayout->addSpacing(12);
    splitLayout->addWidget(instruction);
    splitLayout->addStretch(1);
    FillPage(tabs_->widget(0), splitDownloads);

    auto* counting = new QGroupBox(tr("Options: "));
    counting->setObjectName(QStringLiteral("countingFrame"));
    leaveOutRobotsBox_ = new QCheckBox(tr("Leave out robots"), counting);
    leaveOutRobotsBox_->setObjectName(QStringLiteral("leaveOutRobotsBox"));
    leaveOutFailedBox_ = new QCheckBox(tr("Leave out failed and not-modified requests"), counting);
    leaveOutFailedBox_->setObjectName(QStringLiteral("leaveOutFailedBox"));
    leaveOutToolsBox_ = new QCheckBox(tr("Also leave out download tools"), counting);
    leaveOutToolsBox_->setObjectName(QStringLiteral("leaveOutToolsBox"));
    networkBox_ = new QCheckBox(tr("Treat an IPv6 /64 network as one client"), counting);
    networkBox_->setObjectName(QStringLiteral("ipv6NetworkBox"));
    auto* countingLayout = new QVBoxLayout(counting);
    AddExplainedBox(countingLayout, leaveOutRobotsBox_,
                    tr("Search engines and crawlers, told by a list of known names, are not counted. Download "
                       "tools such as curl and wget are people's downloads and stay counted."));
    AddExplainedBox(countingLayout, leaveOutToolsBox_,
                    tr("Requests of download tools and HTTP libraries (curl, wget, python-requests, download "
                       "managers) are not counted either."));
    AddExplainedBox(countingLayout, leaveOutFailedBox_,
                    tr("Only requests the server answered with success (2xx) are counted: not "
                       "\"304 Not Modified\", redirects or errors."));
    AddExplainedBox(countingLayout, networkBox_,
                    tr("An IPv6 client changes its address within its /64 network: the split-download test "
                       "and the unique downloaders take the network for the client."));
    fileSizes_ = new FileSizesTable(counting);
    auto* sizesLabel = new QLabel(tr("File &sizes (for the complete downloads; found in the report when "
                                     "not given here):"),
                                  counting);
    sizesLabel->setWordWrap(true);
    sizesLabel->setBuddy(fileSizes_->table());
    countingLayout->addWidget(sizesLabel);
    countingLayout->addWidget(fileSizes_);
    countingScroller_ = new PageScroller(counting);
    FillPage(tabs_->widget(1), countingScroller_);
    for (int i = 2; i < tabs_->count(); ++i)
        FillPage(tabs_->widget(i), EmptySample(i + 1));

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    applyButton_ = new QPushButton(tr("Apply"), this);
    applyButton_->setObjectName(QStringLiteral("applyButton"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kButtonGap);
    buttons->addStretch(1);
    for (QPushButton* button : {okButton_, cancelButton_, applyButton_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(tabs_, timeFrameBox_);
    setTabOrder(timeFrameBox_, leaveOutRobotsBox_);
    setTabOrder(leaveOutRobotsBox_, leaveOutToolsBox_);
    setTabOrder(leaveOutToolsBox_, leaveOutFailedBox_);
    setTabOrder(leaveOutFailedBox_, networkBox_);
    setTabOrder(networkBox_, fileSizes_->table());
    setTabOrder(fileSizes_->table(), fileSizes_->lastControl());
    setTabOrder(fileSizes_->lastControl(), okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, applyButton_);

    placeOnScreen(parent ? parent->screen() : QGuiApplication::primaryScreen());
    load();

    // The window sees Ctrl+Tab before any of its controls.
    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, this, &AdvancedOptionsDialog::selectNextTab);
    connect(applyButton_, &QPushButton::clicked, this, &AdvancedOptionsDialog::save);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        save();
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void AdvancedOptionsDialog::load()
{
    timeFrameBox_->addItems(TimeFrameEntries());
    timeFrameBox_->setCurrentIndex(TimeFrameIndex(preferences_.splitTime()));
    const CountingOptions& counting = preferences_.counting();
    leaveOutRobotsBox_->setChecked(counting.leaveOutRobots);
    leaveOutFailedBox_->setChecked(counting.leaveOutFailed);
    leaveOutToolsBox_->setChecked(counting.leaveOutDownloadTools);
    networkBox_->setChecked(counting.ipv6Network64);
    fileSizes_->setSizes(counting.fileSizes);
}

void AdvancedOptionsDialog::selectNextTab()
{
    tabs_->setCurrentIndex(NextTabIndex(tabs_->currentIndex(), tabs_->count()));
}

void AdvancedOptionsDialog::save()
{
    CountingOptions counting;
    counting.splitTime = TimeFrameMinutes(timeFrameBox_->currentIndex());
    counting.leaveOutRobots = leaveOutRobotsBox_->isChecked();
    counting.leaveOutFailed = leaveOutFailedBox_->isChecked();
    counting.leaveOutDownloadTools = leaveOutToolsBox_->isChecked();
    counting.ipv6Network64 = networkBox_->isChecked();
    counting.fileSizes = fileSizes_->sizes();
    preferences_.setCounting(counting);
}

int NextTabIndex(int current, int count)
{
    return current + 1 >= count ? 0 : current + 1;
}

AdvancedOptionsDialog* ShowAdvancedOptionsDialog(WindowRegistry& windows, Preferences& preferences, QWidget* near)
{
    return windows.show<AdvancedOptionsDialog>([&] {
        auto* window = new AdvancedOptionsDialog(preferences);
        if (near)
            window->placeOnScreen(near->screen());
        return window;
    });
}

} // namespace tallywick
