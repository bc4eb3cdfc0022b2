#include "ui/views/valuescale.h"

#include <algorithm>
#include <cmath>

namespace tallywick {

ValueScale ScaleFor(double maxValue, bool wholeNumbers)
{
    // An empty or all-zero chart still gets an axis.
    const bool nothing = !(maxValue > 0) || !std::isfinite(maxValue);
    if (nothing)
        maxValue = 1;
    const double rough = maxValue / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * magnitude;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= rough) {
            step = factor * magnitude;
            break;
        }
    }
    ValueScale scale;
    if (wholeNumbers)
        step = std::max(1.0, std::round(step));
    else
        scale.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    scale.step = step;
    // The largest value stays below the top, where a line's point would be cut in half.
    scale.top = nothing ? std::ceil(maxValue / step - 1e-9) * step : (std::floor(maxValue / step + 1e-9) + 1) * step;
    return scale;
}

} // namespace tallywick
