#pragma once

#include <QRect>

namespace tallywick {

// The window's arrangement is designed in twips, 15 to a device-independent pixel.
constexpr int Twips(int twips)
{
    return twips / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

} // namespace tallywick
