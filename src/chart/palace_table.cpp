#include "chart/palace_table.h"

#include <algorithm>
#include <cmath>

#include "chart/palaces.h"
#include "chart/star_list.h"

namespace tavrel {

namespace {

struct TDegreeMinute {
    uint8_t degree;
    uint8_t minute;
};

// Whole degrees and the whole minutes of the fraction.
TDegreeMinute Split(double degrees) {
    const double whole = std::trunc(degrees);
    return {static_cast<uint8_t>(whole), static_cast<uint8_t>(std::trunc((degrees - whole) * 60))};
}

void FillStart(TPalaceCell& cell, float start, int lifePalace, double mansionOrigin) {
    TPlacedPoint point{};
    point.longitude = start;
    PlacePoint(point, lifePalace, mansionOrigin);
    cell.startLongitude = start;
    cell.palace = point.palace;
    cell.mansion = point.mansion;
    const double fromHourOrigin = std::fmod(std::fmod(337.5 - start, 360.0) + 360.0, 360.0);
    const int hourIndex = std::min(23, static_cast<int>(std::trunc(fromHourOrigin / 15)));
    cell.hourIndex = static_cast<uint8_t>(hourIndex);
    const TDegreeMinute sign = Split(point.degreeInSign);
    cell.signDegree = sign.degree;
    cell.signMinute = sign.minute;
    const TDegreeMinute mansion = Split(point.degreeInMansion);
    cell.mansionDegree = mansion.degree;
    cell.mansionMinute = mansion.minute;
    const TDegreeMinute hour = Split(fromHourOrigin - 15 * hourIndex);
    cell.hourDegree = hour.degree;
    cell.hourMinute = hour.minute;
}

}  // namespace

TSquareBounds NatalSquareBounds(int cellWidth, int cellHeight, int diskRadius) {
    return {cellWidth, cellHeight, 2 * diskRadius - cellWidth, 2 * diskRadius - 3 * cellHeight};
}

void SelectCell(TPalaceTable& table, int cell) {
    table.selectedCell = cell >= 0 && cell < 12 ? cell : -1;
    if (table.selectedCell < 0) return;
    const int offsets[4] = {0, 4, 8, 6};
    for (int i = 0; i < 4; ++i) {
        table.relatedCells[i] = static_cast<uint8_t>((cell + offsets[i]) % 12);
    }
}

void SetSourceBranches(TPalaceTable& table, int natalSunPalace, int movingSunPalace) {
    for (TPalaceCell& cell : table.cells) {
        cell.sourceBranch =
            static_cast<uint8_t>((natalSunPalace + (cell.palace - movingSunPalace + 12) % 12) % 12);
    }
}

void BuildPalaceTable(const TPositionSheet& sheet, double lifeLongitude, int lifePalace,
                      double mansionOrigin, bool hideKings, int yearPillar,
                      const TSquareBounds& bounds, TPalaceTable& table) {
    table = {};
    lifePalace = (lifePalace % 12 + 12) % 12;
    table.bounds = bounds;
    int palace = lifePalace;
    for (int k = 0; k < 12; ++k) {
        TPalaceCell& cell = table.cells[k];
        const float start = k == 0 ? static_cast<float>(lifeLongitude)
                                   : static_cast<float>(((11 - palace + 12) % 12) * 30);
        FillStart(cell, start, lifePalace, mansionOrigin);
        cell.opposite = static_cast<uint8_t>((palace + 6) % 12);
        palace = (palace + 11) % 12;
    }

    const int starEnd = hideKings ? kUranus : kStarCount;
    for (int star = 0; star < starEnd; ++star) {
        TPalaceCell& cell = table.cells[(lifePalace - sheet.points[star].palace + 12) % 12];
        cell.stars[cell.starCount++] = static_cast<uint8_t>(star);
    }
    for (TPalaceCell& cell : table.cells) {
        std::stable_sort(cell.stars, cell.stars + cell.starCount, [&](uint8_t a, uint8_t b) {
            return sheet.points[a].longitude < sheet.points[b].longitude;
        });
    }

    SelectCell(table, -1);
    PlaceSpirits(yearPillar, lifePalace, table);
}

}  // namespace tavrel
