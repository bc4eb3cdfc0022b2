#include "viewstestsupport.h"

#include <QApplication>

// The view windows share one application; each group of cases runs in turn.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto run : tallywick::test::ViewsCases())
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
