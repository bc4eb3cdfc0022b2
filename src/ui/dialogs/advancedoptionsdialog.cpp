#include "ui/dialogs/advancedoptionsdialog.h"

#include "app/settings/appvalues.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/dialogs/fixeddialog.h"
#include "ui/dialogs/singlewindow.h"
#include "ui/dialogs/timeframe.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QVBoxLayout>

namespace tallywick {
namespace {

// Design size of the client area: 6150 x 4920 twips.
constexpr int kWidth = 410;
constexpr int kHeight = 328;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 84;
constexpr int kButtonGap = 6;
constexpr int kTimeFrameBoxWidth = 160;

struct Tab {
    const char* caption;
    const char* key;
    const char* toolTip;
};

constexpr std::array<Tab, 4> kTabs{{
    {"Split Downloads", "Group1", "Set Options for Split Downloads"},
    {"Empty", "Group2", "Set Options for Group 2"},
    {"Empty", "Group3", "Set Options for Group 3"},
    {"Empty", "Group4", "Set Options for Group 4"},
}};

// The framed page area under the tab strip, drawn as the style draws a tab widget's page.
class TabPage : public QWidget {
public:
    TabPage(QTabBar* tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        option.shape = tabs_->shape();
        option.tabBarSize = tabs_->size();
        option.tabBarRect = QRect(tabs_->pos() - pos(), tabs_->size());
        option.selectedTabRect = tabs_->tabRect(tabs_->currentIndex()).translated(option.tabBarRect.topLeft());
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }

private:
    QTabBar* tabs_;
};

QGroupBox* EmptySample(int number, QWidget* panel)
{
    auto* frame = new QGroupBox(QStringLiteral("Sample %1").arg(number), panel);
    frame->setObjectName(QStringLiteral("fraSample%1").arg(number));
    frame->setGeometry(panel->rect());
    return frame;
}

void CentreOnScreen(QWidget* window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

} // namespace

AdvancedOptionsDialog::AdvancedOptionsDialog(SettingsStore& settings, AppValues& values, QWidget* parent) :
    QDialog(parent, kFixedDialogFlags), settings_(settings), values_(values)
{
    setObjectName(QStringLiteral("AdvancedOptionsDialog"));
    setWindowTitle(QStringLiteral("Advanced Options"));
    setWindowIcon(AppIcon());
    setFixedSize(kWidth, kHeight);

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    tbsOptions->setDrawBase(false);
    tbsOptions->setExpanding(false);
    for (const Tab& tab : kTabs) {
        const int index = tbsOptions->addTab(QLatin1String(tab.caption));
        tbsOptions->setTabData(index, QLatin1String(tab.key));
        tbsOptions->setTabToolTip(index, QLatin1String(tab.toolTip));
    }
    const int tabHeight = tbsOptions->sizeHint().height();
    tbsOptions->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, tabHeight);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdApply = new QPushButton(QStringLiteral("Apply"), this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    const int buttonHeight = cmdOK->sizeHint().height();
    const int buttonTop = kHeight - kMargin - buttonHeight;
    int buttonLeft = kWidth - kMargin - 3 * kButtonWidth - 2 * kButtonGap;
    for (QPushButton* button : {cmdOK, cmdCancel, cmdApply}) {
        button->setGeometry(buttonLeft, buttonTop, kButtonWidth, buttonHeight);
        buttonLeft += kButtonWidth + kButtonGap;
    }

    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tbsOptions);
    const int pageTop = kMargin + tabHeight - overlap;
    auto* page = new TabPage(tbsOptions, this);
    page->setGeometry(kMargin, pageTop, kWidth - 2 * kMargin, buttonTop - kMargin - pageTop);
    page->lower();

    const int panelTop = pageTop + kMargin;
    const QSize panelSize(kWidth - 2 * kPanelLeft, page->geometry().bottom() - kMargin - panelTop);
    for (std::size_t i = 0; i < picOptions.size(); ++i) {
        picOptions[i] = new QWidget(this);
        picOptions[i]->setObjectName(QStringLiteral("picOptions_%1").arg(i));
        picOptions[i]->setGeometry(QRect(QPoint(i == 0 ? kPanelLeft : kPanelOutOfView, panelTop), panelSize));
        picOptions[i]->setEnabled(i == 0);
    }

    fraSample1 = new QGroupBox(QStringLiteral("Options: "), picOptions[0]);
    fraSample1->setObjectName(QStringLiteral("fraSample1"));
    fraSample1->setGeometry(picOptions[0]->rect());
    lblTimeFrame = new QLabel(QStringLiteral("Time Limit:"), fraSample1);
    lblTimeFrame->setObjectName(QStringLiteral("lblTimeFrame"));
    cboTimeFrame = new QComboBox(fraSample1);
    cboTimeFrame->setObjectName(QStringLiteral("cboTimeFrame"));
    cboTimeFrame->setFixedWidth(kTimeFrameBoxWidth);
    lblTimeFrame->setBuddy(cboTimeFrame);
    lblInstruct = new QLabel(QStringLiteral("Select a time frame in which traffic with the same server will be counted "
                                            "as one download so that split downloads will not skew the result."),
                             fraSample1);
    lblInstruct->setObjectName(QStringLiteral("lblInstruct"));
    lblInstruct->setWordWrap(true);
    auto* sample1 = new QVBoxLayout(fraSample1);
    sample1->addWidget(lblTimeFrame);
    sample1->addWidget(cboTimeFrame);
    sample1->addSpacing(12);
    sample1->addWidget(lblInstruct);
    sample1->addStretch(1);

    fraSample2 = EmptySample(2, picOptions[1]);
    fraSample3 = EmptySample(3, picOptions[2]);
    fraSample4 = EmptySample(4, picOptions[3]);

    setTabOrder(tbsOptions, cboTimeFrame);
    setTabOrder(cboTimeFrame, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdApply);

    CentreOnScreen(this, parent ? parent->screen() : QGuiApplication::primaryScreen());
    Load();

    connect(tbsOptions, &QTabBar::currentChanged, this, &AdvancedOptionsDialog::tbsOptions_Click);
    // The window sees Ctrl+Tab before any of its controls.
    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, this, &AdvancedOptionsDialog::SelectNextTab);
    connect(cmdApply, &QPushButton::clicked, this, &AdvancedOptionsDialog::SaveSplitTime);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        SaveSplitTime();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AdvancedOptionsDialog::Load()
{
    cboTimeFrame->addItems(TimeFrameEntries());
    cboTimeFrame->setCurrentIndex(TimeFrameIndex(values_.Split_Time));
}

void AdvancedOptionsDialog::tbsOptions_Click()
{
    const int chosen = tbsOptions->currentIndex();
    for (std::size_t i = 0; i < picOptions.size(); ++i) {
        const bool shown = static_cast<int>(i) == chosen;
        picOptions[i]->move(shown ? kPanelLeft : kPanelOutOfView, picOptions[i]->y());
        picOptions[i]->setEnabled(shown);
    }
}

void AdvancedOptionsDialog::SelectNextTab()
{
    tbsOptions->setCurrentIndex(NextTabIndex(tbsOptions->currentIndex(), tbsOptions->count()));
}

void AdvancedOptionsDialog::SaveSplitTime()
{
    values_.Split_Time = TimeFrameMinutes(cboTimeFrame->currentIndex());
    settings_.write(keys::SplitTime, values_.Split_Time);
}

int NextTabIndex(int current, int count)
{
    return current + 1 >= count ? 0 : current + 1;
}

AdvancedOptionsDialog* ShowAdvancedOptionsDialog(SettingsStore& settings, AppValues& values, QWidget* near)
{
    static QPointer<AdvancedOptionsDialog> open;
    return ShowSingleWindow(open, [&] {
        auto* window = new AdvancedOptionsDialog(settings, values);
        if (near)
            CentreOnScreen(window, near->screen());
        return window;
    });
}

} // namespace tallywick
