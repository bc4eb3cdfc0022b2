#include "ui/main/workprogress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace tallywick {

QString SearchRateText(std::int64_t lines, std::int64_t milliseconds)
{
    const QLocale locale;
    QString text = WorkProgress::tr("%1 lines").arg(locale.toString(static_cast<qlonglong>(lines)));
    // Too early to tell a rate.
    if (milliseconds >= 100)
        text +=
            WorkProgress::tr(", %1 lines/s").arg(locale.toString(static_cast<qlonglong>(lines * 1000 / milliseconds)));
    return text;
}

WorkProgress::WorkProgress(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("workProgress"));
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("workProgressText"));
    text_->setTextFormat(Qt::PlainText);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("workProgressBar"));
    bar_->setMaximumWidth(fontMetrics().averageCharWidth() * 16);
    bar_->setTextVisible(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAutoDefault(false);
    cancelButton_->setToolTip(tr("Stop the search (Esc)"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_);
    row->addWidget(bar_);
    row->addWidget(cancelButton_);
    connect(cancelButton_, &QPushButton::clicked, this, &WorkProgress::cancelRequested);
    hide();
}

void WorkProgress::beginSearch(std::int64_t totalBytes)
{
    totalBytes_ = totalBytes;
    clock_.start();
    cancelButton_->setToolTip(tr("Stop the search (Esc)"));
    bar_->setRange(0, totalBytes > 0 ? 100 : 0);
    bar_->setValue(0);
    text_->setText(SearchRateText(0, 0));
    show();
}

void WorkProgress::searched(std::int64_t bytesRead, std::int64_t lines)
{
    if (totalBytes_ > 0)
        bar_->setValue(static_cast<int>(std::clamp<std::int64_t>(bytesRead * 100 / totalBytes_, 0, 100)));
    text_->setText(SearchRateText(lines, clock_.elapsed()));
}

void WorkProgress::beginBusy(const QString& what)
{
    totalBytes_ = 0;
    cancelButton_->setToolTip(tr("Stop waiting (Esc)"));
    bar_->setRange(0, 0);
    text_->setText(what);
    show();
}

void WorkProgress::end()
{
    hide();
}

} // namespace tallywick
