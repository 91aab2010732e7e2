#pragma once

#include <QtGlobal>
#include <array>

// Position colours as the shop database stores them: red in the low byte,
// then green, then blue (blue * 65536 + green * 256 + red).
namespace PositionColors {

// From the #RRGGBB way of writing a colour.
constexpr quint32 fromRrggbb(quint32 rrggbb)
{
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}
constexpr quint32 toRrggbb(quint32 color) { return fromRrggbb(color); }

constexpr quint32 Navy = fromRrggbb(0x000080);
constexpr quint32 White = fromRrggbb(0xFFFFFF);

// The forty cells of the positions editor's palette, in order.
extern const std::array<quint32, 40> Palette;

} // namespace PositionColors

// Navy text on a light background, white on a dark one: navy when the
// brightness 0.212671 R + 0.71516 G + 0.072169 B is above 128.
quint32 ContrastFontColor(quint32 color);
