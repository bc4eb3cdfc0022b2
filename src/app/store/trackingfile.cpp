#include "app/store/trackingfile.h"

namespace tallywick {

std::vector<std::string> LoadTrackedItems(const QString& path)
{
    auto read = ReadTrackingFile(path);
    if (read.status != LinesRead::Status::Read)
        return {};
    return std::move(read.lines);
}

LinesRead ReadTrackingFile(const QString& path)
{
    return ReadLinesFile(path, EmptyLines::Keep);
}

std::optional<QString> SaveTrackedItems(const QString& path, const std::vector<std::string>& items,
                                        const SaveFileOpener& open)
{
    return WriteLinesFile(path, items, open);
}

} // namespace tallywick
