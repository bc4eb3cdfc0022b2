#include "core/views/shortfilelabel.h"

namespace tallywick {

std::string_view ShortFileLabel(std::string_view item)
{
    const auto dot = item.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return item;
    const auto slash = item.rfind('/', dot - 1);
    if (slash == std::string_view::npos || slash == 0)
        return item;
    const auto folderSlash = item.rfind('/', slash - 1);
    if (folderSlash == std::string_view::npos)
        return item;
    return item.substr(folderSlash);
}

} // namespace tallywick
