#pragma once

#include <QStringList>

namespace tallywick {

// The history time limits offered in the History Time Limit window, as designed (entries 10
// and 20 carry two blanks); entry i stands for i + 1 months.
QStringList TimeLimitEntries();
// The entry to select for a time limit; one outside the list selects the last ("24 Months").
int TimeLimitIndex(int timeLimit);
// The months that an entry stands for.
int TimeLimitMonths(int index);

} // namespace tallywick
