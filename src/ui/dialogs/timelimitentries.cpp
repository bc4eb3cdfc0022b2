#include "ui/dialogs/timelimitentries.h"

#include <QCoreApplication>

#include <array>

namespace tallywick {

QStringList TimeLimitEntries()
{
    // As the list always read, with its two doubled spaces.
    static constexpr std::array kEntries = {
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "1 Month"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "2 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "3 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "4 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "5 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "6 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "7 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "8 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "9 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "10  Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "11 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "12 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "13 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "14 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "15 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "16 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "17 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "18 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "19 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "20  Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "21 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "22 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "23 Months"),
        QT_TRANSLATE_NOOP("tallywick::TimeLimitDialog", "24 Months"),
    };
    QStringList entries;
    for (const char* entry : kEntries)
        entries.append(QCoreApplication::translate("tallywick::TimeLimitDialog", entry));
    return entries;
}

int TimeLimitIndex(int timeLimit)
{
    const int count = static_cast<int>(TimeLimitEntries().size());
    if (timeLimit >= 1 && timeLimit <= count)
        return timeLimit - 1;
    return count - 1;
}

int TimeLimitMonths(int index)
{
    return index + 1;
}

} // namespace tallywick
