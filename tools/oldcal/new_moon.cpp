#include "tools/oldcal/new_moon.h"

#include <cmath>
#include <numbers>

namespace zenka::oldcal {

namespace {

constexpr double kMeanLunation = 29.530588861;
constexpr double kEpoch = 2451550.09766;

double SinDeg(double degrees) { return std::sin(std::fmod(degrees, 360.0) * std::numbers::pi / 180.0); }

}  // namespace

int LunationNumberNear(double jd) { return static_cast<int>(std::lround((jd - kEpoch) / kMeanLunation)); }

double NewMoonJde(int k) {
    const double kk = k;
    const double t = kk / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean = kEpoch + kMeanLunation * kk + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;

    // Eccentricity of the Earth's orbit, the Sun's and the Moon's mean
    // anomalies, the Moon's argument of latitude and the longitude of its
    // ascending node, in degrees.
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * kk - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp = 201.5643 + 385.81693528 * kk + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f = 160.7108 + 390.67050284 * kk - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double om = 124.7746 - 1.56375588 * kk + 0.0020672 * t2 + 0.00000215 * t3;

    const double periodic = -0.40720 * SinDeg(mp)                  //
                            + 0.17241 * e * SinDeg(m)              //
                            + 0.01608 * SinDeg(2 * mp)             //
                            + 0.01039 * SinDeg(2 * f)              //
                            + 0.00739 * e * SinDeg(mp - m)         //
                            - 0.00514 * e * SinDeg(mp + m)         //
                            + 0.00208 * e * e * SinDeg(2 * m)      //
                            - 0.00111 * SinDeg(mp - 2 * f)         //
                            - 0.00057 * SinDeg(mp + 2 * f)         //
                            + 0.00056 * e * SinDeg(2 * mp + m)     //
                            - 0.00042 * SinDeg(3 * mp)             //
                            + 0.00042 * e * SinDeg(m + 2 * f)      //
                            + 0.00038 * e * SinDeg(m - 2 * f)      //
                            - 0.00024 * e * SinDeg(2 * mp - m)     //
                            - 0.00017 * SinDeg(om)                 //
                            - 0.00007 * SinDeg(mp + 2 * m)         //
                            + 0.00004 * SinDeg(2 * mp - 2 * f)     //
                            + 0.00004 * SinDeg(3 * m)              //
                            + 0.00003 * SinDeg(mp + m - 2 * f)     //
                            + 0.00003 * SinDeg(2 * mp + 2 * f)     //
                            - 0.00003 * SinDeg(mp + m + 2 * f)     //
                            + 0.00003 * SinDeg(mp - m + 2 * f)     //
                            - 0.00002 * SinDeg(mp - m - 2 * f)     //
                            - 0.00002 * SinDeg(3 * mp + m)         //
                            + 0.00002 * SinDeg(4 * mp);

    // Perturbations by the planets, as arguments in degrees and amplitudes
    // in days.
    struct Planetary {
        double a0, ak, at2, amplitude;
    };
    static constexpr Planetary kPlanetary[] = {
        {299.77, 0.107408, -0.009173, 0.000325}, {251.88, 0.016321, 0, 0.000165},
        {251.83, 26.651886, 0, 0.000164},        {349.42, 36.412478, 0, 0.000126},
        {84.66, 18.206239, 0, 0.000110},         {141.74, 53.303771, 0, 0.000062},
        {207.14, 2.453732, 0, 0.000060},         {154.84, 7.306860, 0, 0.000056},
        {34.52, 27.261239, 0, 0.000047},         {207.19, 0.121824, 0, 0.000042},
        {291.34, 1.844379, 0, 0.000040},         {161.72, 24.198154, 0, 0.000037},
        {239.56, 25.513099, 0, 0.000035},        {331.55, 3.592518, 0, 0.000023},
    };
    double planetary = 0;
    for (const Planetary& p : kPlanetary) planetary += p.amplitude * SinDeg(p.a0 + p.ak * kk + p.at2 * t2);

    return mean + periodic + planetary;
}

}  // namespace zenka::oldcal
