#include "ui/views/periodoption.h"

#include "ui/views/viewtexts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QScopedValueRollback>

#include <array>

namespace tallywick {
namespace {

using namespace std::chrono;

QString Translated(const char* text)
{
    return QCoreApplication::translate("tallywick::PeriodOption", text);
}

// In the order of PeriodKind.
constexpr std::array kKindCaptions = {QT_TRANSLATE_NOOP("tallywick::PeriodOption", "All"),
                                      QT_TRANSLATE_NOOP("tallywick::PeriodOption", "This month"),
                                      QT_TRANSLATE_NOOP("tallywick::PeriodOption", "Last month"),
                                      QT_TRANSLATE_NOOP("tallywick::PeriodOption", "Last 7 days"),
                                      QT_TRANSLATE_NOOP("tallywick::PeriodOption", "Last 30 days"),
                                      QT_TRANSLATE_NOOP("tallywick::PeriodOption", "This year"),
                                      QT_TRANSLATE_NOOP("tallywick::PeriodOption", "Custom")};

QDateEdit* MakeDayPicker(QWidget* parent, const char* objectName)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QLatin1String(objectName));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    return picker;
}

} // namespace

PeriodOption::PeriodOption(QWidget* parent, std::function<sys_days()> today) :
    QObject(parent), today_(std::move(today)), label_(new QLabel(Translated("Period:"), parent)),
    box_(new QComboBox(parent)), firstDay_(MakeDayPicker(parent, "periodFirstDay")),
    lastDay_(MakeDayPicker(parent, "periodLastDay"))
{
    label_->setObjectName(QStringLiteral("periodLabel"));
    box_->setObjectName(QStringLiteral("periodBox"));
    for (const char* caption : kKindCaptions)
        box_->addItem(Translated(caption));
    label_->setBuddy(box_);
    firstDay_->setToolTip(Translated("The first day of the period"));
    lastDay_->setToolTip(Translated("The last day of the period"));
    show({});

    connect(box_, &QComboBox::activated, this, &PeriodOption::kindPicked);
    connect(firstDay_, &QDateEdit::dateChanged, this, &PeriodOption::dayPicked);
    connect(lastDay_, &QDateEdit::dateChanged, this, &PeriodOption::dayPicked);
}

void PeriodOption::show(const PeriodChoice& choice)
{
    const QScopedValueRollback showing(showing_, true);
    box_->setCurrentIndex(static_cast<int>(choice.kind));
    // Custom starts from the days it had, or from the last 30 days.
    const auto days = choice.kind == PeriodKind::Custom
                          ? choice.custom
                          : PeriodDays({PeriodKind::Last30Days, {}}, today_()).value_or(DayRange{});
    firstDay_->setDate(ToQDate(days.first));
    lastDay_->setDate(ToQDate(days.last));
    showPickers();
}

PeriodChoice PeriodOption::choice() const
{
    const auto kind = static_cast<PeriodKind>(std::max(box_->currentIndex(), 0));
    if (kind != PeriodKind::Custom)
        return {kind, {}};
    return {kind, {ToSysDays(firstDay_->date()), ToSysDays(lastDay_->date())}};
}

Period PeriodOption::period() const
{
    const auto days = PeriodDays(choice(), today_());
    return days ? PeriodOf(*days) : Period{};
}

void PeriodOption::addTo(QBoxLayout* line) const
{
    line->addWidget(label_);
    line->addWidget(box_);
    line->addWidget(firstDay_);
    line->addWidget(lastDay_);
}

void PeriodOption::kindPicked()
{
    showPickers();
    emit picked();
}

void PeriodOption::dayPicked()
{
    if (showing_)
        return;
    {
        // The other end follows, so that the period never runs backwards.
        const QScopedValueRollback showing(showing_, true);
        if (sender() == firstDay_ && lastDay_->date() < firstDay_->date())
            lastDay_->setDate(firstDay_->date());
        else if (sender() == lastDay_ && firstDay_->date() > lastDay_->date())
            firstDay_->setDate(lastDay_->date());
    }
    emit picked();
}

void PeriodOption::showPickers()
{
    const bool custom = box_->currentIndex() == static_cast<int>(PeriodKind::Custom);
    firstDay_->setVisible(custom);
    lastDay_->setVisible(custom);
}

} // namespace tallywick
