#include "ui/dialogs/advancedoptionsdialog.h"

#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/common/windowregistry.h"
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

void CentreOnScreen(QWidget* window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

} // namespace

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
    auto* countingLayout = new QVBoxLayout(counting);
    AddExplainedBox(countingLayout, leaveOutRobotsBox_,
                    tr("Search engines, crawlers and download tools, told by a list of known names, "
                       "are not counted."));
    AddExplainedBox(countingLayout, leaveOutFailedBox_,
                    tr("Only requests the server answered with success (2xx) are counted: not "
                       "\"304 Not Modified\", redirects or errors."));
    countingLayout->addStretch(1);
    FillPage(tabs_->widget(1), counting);
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
    setTabOrder(leaveOutRobotsBox_, leaveOutFailedBox_);
    setTabOrder(leaveOutFailedBox_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, applyButton_);

    CentreOnScreen(this, parent ? parent->screen() : QGuiApplication::primaryScreen());
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
    leaveOutRobotsBox_->setChecked(preferences_.leaveOutRobots());
    leaveOutFailedBox_->setChecked(preferences_.leaveOutFailed());
}

void AdvancedOptionsDialog::selectNextTab()
{
    tabs_->setCurrentIndex(NextTabIndex(tabs_->currentIndex(), tabs_->count()));
}

void AdvancedOptionsDialog::save()
{
    preferences_.setCounting(TimeFrameMinutes(timeFrameBox_->currentIndex()), leaveOutRobotsBox_->isChecked(),
                             leaveOutFailedBox_->isChecked());
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
            CentreOnScreen(window, near->screen());
        return window;
    });
}

} // namespace tallywick
