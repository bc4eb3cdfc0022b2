#include "app/store/trackingfile.h"

#include "app/store/textfile.h"
#include "core/log/lines.h"

namespace tallywick {

std::vector<std::string> LoadTrackedItems(const QString& path)
{
    std::vector<std::string> items;
    const auto file = ReadTextFile(path);
    ForEachLine(file.bytes, [&](std::string_view line) { items.emplace_back(line); });
    return items;
}

} // namespace tallywick
