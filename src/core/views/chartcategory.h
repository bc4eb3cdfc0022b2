#pragma once

#include <string>

namespace tallywick {

// One labelled value of a chart's single series.
struct ChartCategory {
    std::string label;
    double value = 0;

    friend bool operator==(const ChartCategory&, const ChartCategory&) = default;
};

} // namespace tallywick
