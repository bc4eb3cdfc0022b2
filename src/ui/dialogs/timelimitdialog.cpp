#include "ui/dialogs/timelimitdialog.h"

#include "app/settings/appvalues.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/dialogs/fixeddialog.h"
#include "ui/dialogs/singlewindow.h"
#include "ui/dialogs/timelimitentries.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tallywick {
namespace {

constexpr int kListWidth = 180;
constexpr int kGap = 40;
constexpr int kButtonWidth = 84;

} // namespace

TimeLimitDialog::TimeLimitDialog(SettingsStore& settings, AppValues& values, QWidget* parent) :
    QDialog(parent, kFixedDialogFlags), settings_(settings), values_(values)
{
    setObjectName(QStringLiteral("TimeLimitDialog"));
    setWindowTitle(QStringLiteral("History Time Limit"));
    setWindowIcon(AppIcon());

    Label1 = new QLabel(QStringLiteral("History Time Limit:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(TimeLimitEntries());
    Combo1->setMaxVisibleItems(12);
    Combo1->setFixedWidth(kListWidth);
    Label1->setBuddy(Combo1);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton* button : {OKButton, CancelButton})
        button->setFixedWidth(kButtonWidth);

    // The label and the list on the left, "OK" above "Cancel" on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(6);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 1, 0, Qt::AlignLeft);
    grid->addWidget(OKButton, 0, 2, Qt::AlignTop);
    grid->addWidget(CancelButton, 1, 2, Qt::AlignTop);
    grid->setColumnMinimumWidth(1, kGap);
    // As small as its controls allow; nothing in it grows.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    Combo1->setCurrentIndex(TimeLimitIndex(values_.TimeLimit));

    connect(OKButton, &QPushButton::clicked, this, &TimeLimitDialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TimeLimitDialog::OKButton_Click()
{
    values_.TimeLimit = TimeLimitMonths(Combo1->currentIndex());
    settings_.write(keys::TimeLimit, values_.TimeLimit);
    accept();
}

TimeLimitDialog* ShowTimeLimitDialog(SettingsStore& settings, AppValues& values, QWidget* owner)
{
    static QPointer<TimeLimitDialog> open;
    return ShowSingleWindow(open, [&] { return new TimeLimitDialog(settings, values, owner); });
}

} // namespace tallywick
