#pragma once

namespace tallywick {

// The value axis of a chart: from 0 to a top above the largest value, in steps that read well
// (1, 2 or 5 times a power of ten, about five of them); whole steps of at least 1 when the values
// are counts.
struct ValueScale {
    double top = 1;
    double step = 1;
    int decimals = 0; // for the tick labels
};

ValueScale ScaleFor(double maxValue, bool wholeNumbers);

} // namespace tallywick
