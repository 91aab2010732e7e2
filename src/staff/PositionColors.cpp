#include "PositionColors.h"

namespace PositionColors {

namespace {
constexpr std::array<quint32, 40> fromRrggbbAll(const std::array<quint32, 40>& in)
{
    std::array<quint32, 40> out{};
    for (std::size_t i = 0; i < in.size(); ++i)
        out[i] = fromRrggbb(in[i]);
    return out;
}
} // namespace

// Entry 7 is #333335, a near-black grey beside the plain #333333 of entry 8.
const std::array<quint32, 40> Palette = fromRrggbbAll({
    0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333335, 0x333333,
    0x800000, 0xFF6600, 0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080,
    0xFF0000, 0xFF9900, 0x99CC00, 0x339966, 0x33CCCC, 0x3366FF, 0x800080, 0x999999,
    0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF, 0x993366, 0xC0C0C0,
    0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF,
});

} // namespace PositionColors

quint32 ContrastFontColor(quint32 color)
{
    const qint64 red = color & 0xFF;
    const qint64 green = (color >> 8) & 0xFF;
    const qint64 blue = (color >> 16) & 0xFF;
    // In millionths, so that mid-grey lands exactly on 128.
    const qint64 brightness = 212671 * red + 715160 * green + 72169 * blue;
    return brightness > 128 * 1000000LL ? PositionColors::Navy : PositionColors::White;
}
