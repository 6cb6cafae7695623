#pragma once

namespace analysis {

// One saved lifetime result with the edges of the studied cut at save time.
struct TrendPoint {
    TrendPoint(double cutMin, double cutMax, double value, double error)
        : cutMin(cutMin), cutMax(cutMax), value(value), error(error) {}
    double cutMin;
    double cutMax;
    double value; // lifetime, ps
    double error; // ps
};

inline double lowerEdge(const TrendPoint& p) {
    return p.cutMin;
}
inline double upperEdge(const TrendPoint& p) {
    return p.cutMax;
}

} // namespace analysis
