#include "calendar/equinox.h"

#include <cmath>

#include "calendar/julius.h"

namespace zenka {

namespace {

constexpr double kPi = 3.1415926535897932385;

double SinDeg(double degrees) { return std::sin(degrees / 180.0 * kPi); }

// The terms are summed in this order in double precision (the core is built
// without contraction into fused multiply-adds): the day boundaries depend on it.
int32_t Evaluate(double t, double perturbation, double yearLength, double epoch) {
    const double q = 0.0000001 * t * t - perturbation;
    return static_cast<int32_t>(yearLength * t + epoch + q);
}

bool SameMonthDay(int32_t julius, uint8_t month, uint8_t day) {
    const CivilDate date = JuliusToDate(julius);
    return date.month == month && date.day == day;
}

}  // namespace

int32_t VernalEquinoxJulius(int32_t year) {
    const double t = year - 2000;
    const double p = 0.002 * (SinDeg(321 - 30.37 * t) + SinDeg(0.19 * t + 249) + SinDeg(202 - 132.57 * t) +
                              SinDeg(84 - 90.37 * t)) -
                     0.00004871850323926 * t + 0.001 * SinDeg(132 - 134.81 * t) + 0.005 * SinDeg(239 - 19.34 * t);
    return Evaluate(t, p, 365.24229, 2451624.683);
}

int32_t AutumnalEquinoxJulius(int32_t year) {
    const double t = year - 2000;
    const double p = 0.002 * (SinDeg(485 - 30.37 * t) + SinDeg(0.19 * t + 249) + SinDeg(268.2 - 132.57 * t) +
                              SinDeg(309.2 - 90.37 * t)) +
                     0.00004871850323926 * t + 0.001 * SinDeg(244.6 - 134.81 * t) + 0.005 * SinDeg(248.6 - 19.34 * t);
    return Evaluate(t, p, 365.24206, 2451811.096);
}

bool IsVernalEquinoxDay(int32_t year, uint8_t month, uint8_t day) {
    return SameMonthDay(VernalEquinoxJulius(year), month, day);
}

bool IsAutumnalEquinoxDay(int32_t year, uint8_t month, uint8_t day) {
    return SameMonthDay(AutumnalEquinoxJulius(year), month, day);
}

}  // namespace zenka
