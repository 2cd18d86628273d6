// Sizes and positions given in twips (1/1440 inch) and the pixels of a
// screen: the one conversion of the suite. A screen of 96 dots per inch has
// 15 twips to the pixel.
#pragma once

namespace Twips {

constexpr int PerInch = 1440;
constexpr int StandardDotsPerInch = 96;

// Rounded to the nearest pixel.
constexpr int toPixels(int twips, int dotsPerInch = StandardDotsPerInch) {
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>((scaled >= 0 ? scaled + PerInch / 2 : scaled - PerInch / 2) / PerInch);
}

constexpr int fromPixels(int pixels, int dotsPerInch = StandardDotsPerInch) {
    return static_cast<int>(static_cast<long long>(pixels) * PerInch / dotsPerInch);
}

} // namespace Twips
