#include "ui/dialogs/timelimitdialog.h"

#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/common/labeltexts.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/fixeddialog.h"
#include "ui/dialogs/shortlist.h"
#include "ui/dialogs/timelimitentries.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tallywick {
namespace {

constexpr int kGap = 40;

} // namespace

TimeLimitDialog::TimeLimitDialog(Preferences& preferences, QWidget* parent) :
    QDialog(parent, kFixedDialogFlags), preferences_(preferences)
{
    setObjectName(QStringLiteral("TimeLimitDialog"));
    setWindowTitle(tr("History Time Limit"));
    setWindowIcon(AppIcon());

    limitLabel_ = new QLabel(tr("History Time Limit:"), this);
    limitLabel_->setObjectName(QStringLiteral("limitLabel"));
    limitBox_ = new QComboBox(this);
    limitBox_->setObjectName(QStringLiteral("limitBox"));
    limitBox_->addItems(TimeLimitEntries());
    ShowTwelveAtMost(limitBox_);
    limitLabel_->setBuddy(limitBox_);
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    removalLabel_ = new QLabel(this);
    removalLabel_->setObjectName(QStringLiteral("removalLabel"));

    // The label and the list on the left, "OK" above "Cancel" on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(6);
    grid->addWidget(limitLabel_, 0, 0);
    grid->addWidget(limitBox_, 1, 0, Qt::AlignLeft);
    grid->addWidget(okButton_, 0, 2, Qt::AlignTop);
    grid->addWidget(cancelButton_, 1, 2, Qt::AlignTop);
    grid->addWidget(removalLabel_, 2, 0, 1, 3);
    grid->setColumnMinimumWidth(1, kGap);
    // As small as its controls allow; nothing in it grows.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    limitBox_->setCurrentIndex(TimeLimitIndex(preferences_.timeLimit()));

    connect(okButton_, &QPushButton::clicked, this, &TimeLimitDialog::acceptChoice);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(limitBox_, &QComboBox::currentIndexChanged, this, &TimeLimitDialog::showRemoval);
    removalLabel_->hide();
}

void TimeLimitDialog::setRemovalCount(std::function<std::size_t(int months)> count)
{
    removalCount_ = std::move(count);
    showRemoval();
}

void TimeLimitDialog::showRemoval()
{
    if (!removalCount_)
        return;
    const auto count = removalCount_(TimeLimitMonths(limitBox_->currentIndex()));
    removalLabel_->setText(TimeLimitRemovalText(count));
    removalLabel_->show();
}

void TimeLimitDialog::acceptChoice()
{
    preferences_.setTimeLimit(TimeLimitMonths(limitBox_->currentIndex()));
    accept();
}

TimeLimitDialog* ShowTimeLimitDialog(WindowRegistry& windows, Preferences& preferences, QWidget* owner)
{
    return windows.show<TimeLimitDialog>([&] { return new TimeLimitDialog(preferences, owner); });
}

} // namespace tallywick
