#pragma once

// The main window searches on a thread of its own: a test that looks at the result waits for it.

#include "ui/main/mainwindow.h"

#include <QTest>

namespace tallywick {

// Lets events run until the window's search (and a merge of the history) has ended; false when
// it has not within a generous time.
inline bool WaitForSearch(const MainWindow& window)
{
    return QTest::qWaitFor([&] { return !window.isSearching() && !window.isMerging(); }, 60000);
}

} // namespace tallywick
