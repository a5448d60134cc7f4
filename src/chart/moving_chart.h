#pragma once

#include "chart/chart_records.h"

namespace tavrel {

// The angle (degrees) by which the moving chart (动盘) turns the natal stars. `dongCalc` 1
// (时辰计算) moves the Sun into the palace of the hour branch keeping its degree; 0 (精确计算)
// puts it where the true solar clock of the birth says: 135° at true noon, 315° at midnight.
double MovingTurnAngle(const TPositionSheet& natal, const TTimeBlock& time, int dongCalc);

// The moving sheet: the natal sheet with its fourteen stars turned by `angle` and placed again
// against the natal life palace. Latitude, motion and entries 14 onward keep the natal values;
// a star turned to exactly 360° keeps that longitude.
TPositionSheet TurnMovingChart(const TPositionSheet& natal, double angle, double mansionOrigin);

}  // namespace tavrel
