#include "app/store/partialtrackeditems.h"

#include <QDir>

namespace tallywick {

TrackedItemsLoad LoadTrackedItemsKeepingPart(const QString& path, const ReadFileOpener& open)
{
    auto read = ReadLinesFile(path, EmptyLines::Keep, open);
    TrackedItemsLoad load{std::move(read.lines), std::nullopt};
    if (read.status == LinesRead::Status::Failed) {
        load.problem = QStringLiteral("The tracked items could not be read to their end from %1 (%2): only the %3 "
                                      "read before that are tracked.")
                           .arg(QDir::toNativeSeparators(path), read.error,
                                load.items.size() == 1 ? QStringLiteral("item")
                                                       : QStringLiteral("%1 items").arg(load.items.size()));
    }
    return load;
}

} // namespace tallywick
