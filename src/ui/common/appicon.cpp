#include "ui/common/appicon.h"

namespace tallywick {

QIcon AppIcon()
{
    static const QIcon kIcon = [] {
        QIcon result;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            result.addFile(QStringLiteral(":/icons/tallywick-%1.png").arg(size), QSize(size, size));
        return result;
    }();
    return kIcon;
}

} // namespace tallywick
