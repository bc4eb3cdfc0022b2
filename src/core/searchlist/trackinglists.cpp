#include "core/searchlist/trackinglists.h"

#include <algorithm>
#include <iterator>

namespace tallywick {

void TrackingLists::addOne(std::optional<std::size_t> index)
{
    if (!index || *index >= available.size() || available[*index].empty())
        return;
    if (std::find(selected.begin(), selected.end(), available[*index]) != selected.end())
        return;
    selected.push_back(available[*index]);
    available.erase(available.begin() + static_cast<std::ptrdiff_t>(*index));
}

void TrackingLists::addAll()
{
    std::move(available.begin(), available.end(), std::back_inserter(selected));
    available.clear();
}

void TrackingLists::removeOne(std::optional<std::size_t> index)
{
    if (!index || *index >= selected.size())
        return;
    if (!selected[*index].empty())
        available.push_back(selected[*index]);
    selected.erase(selected.begin() + static_cast<std::ptrdiff_t>(*index));
}

void TrackingLists::removeAll()
{
    std::move(selected.begin(), selected.end(), std::back_inserter(available));
    selected.clear();
}

} // namespace tallywick
