#pragma once

#include <QRect>

namespace rcl {

// The window is laid out in twips, as its description was drawn: 1440 twips
// to the inch, 15 twips to a pixel at 96 dots per inch. Qt scales the pixels
// for high-DPI screens.
inline constexpr int TwipsPerPixel = 15;

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const TwipRect &, const TwipRect &) = default;
};

[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -(TwipsPerPixel / 2))) / TwipsPerPixel;
}

[[nodiscard]] constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

[[nodiscard]] inline QRect toPixels(const TwipRect &r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

namespace form {

inline constexpr int ClientWidth = 10560;
inline constexpr int DesignClientHeight = 7125;
// The window's heights are given as outer heights, which on the desktop the
// layout was drawn on included about 450 twips of title bar and borders. The
// client area gets the rest, whatever this desktop's title bar measures.
inline constexpr int FrameAllowance = 450;
inline constexpr int CollapsedHeight = 5310;
inline constexpr int ExpandedHeight = 7500;

[[nodiscard]] constexpr int clientHeightFor(int outerHeight)
{
    return outerHeight - FrameAllowance;
}

inline constexpr TwipRect Command7{9480, 6600, 975, 375};
inline constexpr TwipRect Command6{5160, 120, 615, 375};
inline constexpr TwipRect Combo1{5160, 6600, 3135, 375};
inline constexpr TwipRect Command5{8400, 6600, 975, 375};
inline constexpr TwipRect List1{120, 5040, 4935, 1950};
inline constexpr TwipRect Command4{3840, 4200, 1215, 375};
inline constexpr TwipRect Command3{5880, 120, 1095, 375};
inline constexpr TwipRect Text1{8040, 120, 1455, 375};
inline constexpr TwipRect Command2{9600, 120, 855, 375};
inline constexpr TwipRect Command1{7080, 120, 855, 375};
inline constexpr TwipRect Picture1{5160, 600, 5295, 4215};
inline constexpr TwipRect Shape1{4320, 4080, 660, 660};

inline constexpr int Picture1CollapsedHeight = 4215;
inline constexpr int Picture1ExpandedHeight = 5895;

inline constexpr int Shape2Count = 7;
[[nodiscard]] constexpr TwipRect shape2(int i)
{
    return {5280 + 720 * i, 5520, 660, 660};
}

} // namespace form

// The rune grid: 7 columns, 5 rows, rune i in column i mod 7 and row i div 7.
// Each rune has a picture, a name label below it and an invisible event area
// over both; a few cells differ from the pattern.
namespace grid {

inline constexpr int Columns = 7;
// A selection or recipe frame stands this far outside a rune's picture.
inline constexpr int FrameMargin = 120;
inline constexpr int FrameSize = 660;

[[nodiscard]] constexpr int column(int index) { return index % Columns; }
[[nodiscard]] constexpr int row(int index) { return index / Columns; }

[[nodiscard]] constexpr TwipRect pictureRect(int index)
{
    if (index == 28)
        return {240, 3960, 420, 780};
    return {240 + 720 * column(index), 240 + 960 * row(index), 420, 420};
}

[[nodiscard]] constexpr TwipRect labelRect(int index)
{
    return {120 + 720 * column(index), 720 + 960 * row(index), index == 25 ? 735 : 615, 255};
}

[[nodiscard]] constexpr TwipRect eventAreaRect(int index)
{
    const int r = row(index);
    TwipRect area{120 + 720 * column(index), r == 0 ? 120 : 960 * r, 660, r == 0 ? 780 : 900};
    if (index == 14)
        area.top = 2040;
    if (index == 28)
        area.height = 780;
    return area;
}

// The frame that surrounds a picture: its left and top less the margin, and a
// fixed size, so rune 28's taller picture gets its frame 120 twips higher.
[[nodiscard]] constexpr TwipRect frameAround(const TwipRect &picture)
{
    return {picture.left - FrameMargin, picture.top - FrameMargin, FrameSize, FrameSize};
}

} // namespace grid
} // namespace rcl
