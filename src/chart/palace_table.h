#pragma once

#include <cstdint>
#include <string_view>

#include "chart/chart_records.h"
#include "chart/star_spirit_tables.h"

namespace tavrel {

// A cell holds every star of the chart and every spirit of the year, so no placement can be
// refused: in some years more than twenty spirits meet in one palace.
inline constexpr int kCellStarCapacity = kStarCount;
inline constexpr int kCellSpiritCapacity = kStarSpiritCount;
inline constexpr int kSpiritNameBytes = 7;  // two Chinese characters in UTF-8 and a NUL

// One palace of the square chart: where it starts, the stars standing in it, the year's spirits.
struct TPalaceCell {
    float startLongitude;  // cell 0: the life point; others: the start of their sign
    uint8_t palace;        // palace index of startLongitude
    uint8_t mansion;
    uint8_t hourIndex;  // trunc(((337.5 − start) mod 360) / 15), 0 … 23
    uint8_t signDegree, signMinute;
    uint8_t mansionDegree, mansionMinute;
    uint8_t hourDegree, hourMinute;    // the remainder within that 15° part
    uint8_t stars[kCellStarCapacity];  // star ids, ascending by longitude
    uint8_t starCount;
    uint8_t opposite;      // (palace + 6) mod 12, also the grid cell it is drawn in
    uint8_t sourceBranch;  // moving table only: the natal palace of this palace's stars
    char spirits[kCellSpiritCapacity][kSpiritNameBytes];  // UTF-8, NUL-terminated, as placed
    uint8_t spiritCount;

    std::string_view Spirit(int i) const { return spirits[i]; }
};

// The square of the square chart in image pixels.
struct TSquareBounds {
    int32_t left, top, right, bottom;
};

// Twelve palace cells by palace number (0 = the life palace) under the square chart's header.
struct TPalaceTable {
    TSquareBounds bounds;
    int32_t selectedCell;     // −1 or a grid cell 0 … 11
    uint8_t relatedCells[4];  // grid cells s, s + 4, s + 8, s + 6 (mod 12) of the selection
    TPalaceCell cells[12];
};

// The natal square from the disk measures at cast time: (cw, ch, 2R − cw, 2R − 3 ch).
TSquareBounds NatalSquareBounds(int cellWidth, int cellHeight, int diskRadius);

// Selects grid cell s (0 … 11) with its three related cells, or clears with −1.
void SelectCell(TPalaceTable& table, int cell);

// Fills the cells from a position sheet: the life point longitude, the life palace index, the
// mansion origin of the chart's year, Uranus, Neptune and Pluto left out when `hideKings`; then
// places the spirits of the year pillar.
void BuildPalaceTable(const TPositionSheet& sheet, double lifeLongitude, int lifePalace,
                      double mansionOrigin, bool hideKings, int yearPillar,
                      const TSquareBounds& bounds, TPalaceTable& table);

// Moving table only: for each cell the natal palace in which its stars stand, from the Sun's
// palace index in the natal chart and in the moving chart.
void SetSourceBranches(TPalaceTable& table, int natalSunPalace, int movingSunPalace);

// Places the forty-nine spirits of the year pillar into the cells of a table whose life palace
// (the natal one, shared by the annual and moving tables) is `lifePalace`; clears earlier ones.
void PlaceSpirits(int yearPillar, int lifePalace, TPalaceTable& table);

// The branch number that a spirit takes in the year of pillar n, spirit i of STAR_SPIRIT_NAME.
int SpiritBranch(int spirit, int n);

// Appends a spirit name to the cell of the palace at `branch`; false, the table untouched, when
// the name is longer than two characters' bytes or the cell is full.
bool AddSpirit(TPalaceTable& table, int lifePalace, int branch, std::string_view name);

}  // namespace tavrel
