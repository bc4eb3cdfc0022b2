#pragma once

// The main window searches on a thread of its own, and a large history is merged on another: a
// test that looks at the result waits for them.

#include "app/history/historykeeper.h"
#include "ui/main/mainwindow.h"

#include <QTest>

namespace tallywick {

// Lets events run until the window's search and a merge of the history have ended; false when
// they have not within a generous time.
inline bool WaitForSearch(const MainWindow& window, const HistoryKeeper& history)
{
    return QTest::qWaitFor([&] { return !window.isSearching() && !history.isMerging(); }, 60000);
}

} // namespace tallywick
