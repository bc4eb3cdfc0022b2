#include "core/search/pathlines.h"

#include <algorithm>

namespace tallywick {

PathLines::PathLines(const std::vector<std::string>& paths, SimdLevel level) : level_(level)
{
    if (paths.empty())
        return;
    std::string_view shared = paths.front();
    for (const std::string& path : paths)
        shared = shared.substr(0, std::mismatch(shared.begin(), shared.end(), path.begin(), path.end()).first -
                                      shared.begin());
    // A search for each path beats reading every line while they are few.
    constexpr std::size_t kShortestSharedStart = 8;
    constexpr std::size_t kMostPathsSearched = 8;
    if (paths.size() == 1 || shared.size() >= kShortestSharedStart) {
        texts_.emplace_back(std::string(shared), level);
    } else if (paths.size() <= kMostPathsSearched) {
        for (const std::string& path : paths)
            texts_.emplace_back(path, level);
    } else {
        everyLine_ = true;
    }
}

} // namespace tallywick
