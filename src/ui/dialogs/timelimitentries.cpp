#include "ui/dialogs/timelimitentries.h"

namespace tallywick {

QStringList TimeLimitEntries()
{
    return {QStringLiteral("1 Month"),    QStringLiteral("2 Months"),   QStringLiteral("3 Months"),
            QStringLiteral("4 Months"),   QStringLiteral("5 Months"),   QStringLiteral("6 Months"),
            QStringLiteral("7 Months"),   QStringLiteral("8 Months"),   QStringLiteral("9 Months"),
            QStringLiteral("10  Months"), QStringLiteral("11 Months"),  QStringLiteral("12 Months"),
            QStringLiteral("13 Months"),  QStringLiteral("14 Months"),  QStringLiteral("15 Months"),
            QStringLiteral("16 Months"),  QStringLiteral("17 Months"),  QStringLiteral("18 Months"),
            QStringLiteral("19 Months"),  QStringLiteral("20  Months"), QStringLiteral("21 Months"),
            QStringLiteral("22 Months"),  QStringLiteral("23 Months"),  QStringLiteral("24 Months")};
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
