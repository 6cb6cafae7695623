#include "QuickLifetimeAnalysis.h"

#include <cmath>

namespace {

struct Line {
    double slope = 0, intercept = 0;
    double integral(double a, double b) const {
        return slope * (b * b - a * a) / 2 + intercept * (b - a);
    }
};

// Unweighted least-squares line through the sideband bins of a 0.5 MeV/c^2 mass histogram.
Line fitSidebands(const std::vector<double>& contents, double lo, double width, double sigMin,
                  double sigMax) {
    double s = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < contents.size(); ++i) {
        const double x = lo + (i + 0.5) * width;
        if (x >= sigMin - width && x <= sigMax + width)
            continue;
        s += 1;
        sx += x;
        sy += contents[i];
        sxx += x * x;
        sxy += x * contents[i];
    }
    Line l;
    l.slope = (s * sxy - sx * sy) / (s * sxx - sx * sx);
    l.intercept = (sy - l.slope * sx) / s;
    return l;
}

} // namespace

QuickLifetimeResult quickLifetime(const std::vector<double>& mm, const std::vector<double>& pt,
                                  const std::vector<double>& tauNs,
                                  const std::vector<double>& minip, const QuickLifetimeCuts& cuts,
                                  double signalMin, double signalMax) {
    const double massLo = 1815, massHi = 1915, massWidth = 0.5;
    const int massBins = 200, timeBins = 100;
    const double timeWidth = (cuts.tauMax - cuts.tauMin) / timeBins;
    std::vector<double> mass(massBins, 0.0), sig(timeBins, 0.0), bkg(timeBins, 0.0);
    for (size_t i = 0; i < mm.size(); ++i) {
        const double ptGeV = pt[i] / 1000, tps = tauNs[i] * 1000, lip = std::log10(minip[i]);
        if (ptGeV < cuts.ptMin || ptGeV > cuts.ptMax || tps < cuts.tauMin || tps > cuts.tauMax ||
            lip < cuts.logIPMin || lip > cuts.logIPMax)
            continue;
        const int mb = static_cast<int>((mm[i] - massLo) / massWidth);
        if (mb >= 0 && mb < massBins)
            mass[mb] += 1;
        const int tb = static_cast<int>((tps - cuts.tauMin) / timeWidth);
        if (tb < 0 || tb >= timeBins)
            continue;
        if (mm[i] < signalMin || mm[i] > signalMax)
            bkg[tb] += 1;
        else
            sig[tb] += 1;
    }
    const Line line = fitSidebands(mass, massLo, massWidth, signalMin, signalMax);
    QuickLifetimeResult result;
    result.scaleFactor = line.integral(signalMin, signalMax) /
                         (line.integral(massLo, signalMin) + line.integral(signalMax, massHi));
    const double r = result.scaleFactor;

    std::vector<double> t, y, e;
    for (int i = 0; i < timeBins; ++i) {
        const double err2 = sig[i] + r * r * bkg[i];
        if (err2 <= 0)
            continue;
        t.push_back(cuts.tauMin + (i + 0.5) * timeWidth);
        y.push_back(sig[i] - r * bkg[i]);
        e.push_back(std::sqrt(err2));
    }
    // Start from a line through ln(content) of the positive bins, then Gauss-Newton on chi2.
    double a = 0, b = -1;
    {
        double s = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (size_t i = 0; i < t.size(); ++i)
            if (y[i] > 0) {
                s += 1;
                sx += t[i];
                sy += std::log(y[i]);
                sxx += t[i] * t[i];
                sxy += t[i] * std::log(y[i]);
            }
        if (s >= 2) {
            b = (s * sxy - sx * sy) / (s * sxx - sx * sx);
            a = (sy - b * sx) / s;
        }
    }
    double h00 = 0, h01 = 0, h11 = 0;
    for (int iter = 0; iter < 100; ++iter) {
        double g0 = 0, g1 = 0;
        h00 = h01 = h11 = 0;
        for (size_t i = 0; i < t.size(); ++i) {
            const double f = std::exp(a + b * t[i]);
            const double w = 1 / (e[i] * e[i]);
            const double res = y[i] - f;
            g0 += w * res * f;
            g1 += w * res * f * t[i];
            h00 += w * f * f;
            h01 += w * f * f * t[i];
            h11 += w * f * f * t[i] * t[i];
        }
        const double det = h00 * h11 - h01 * h01;
        const double da = (h11 * g0 - h01 * g1) / det;
        const double db = (h00 * g1 - h01 * g0) / det;
        a += da;
        b += db;
        if (std::fabs(db) < 1e-10 * std::fabs(b) + 1e-14) {
            result.converged = true;
            break;
        }
    }
    const double det = h00 * h11 - h01 * h01;
    const double varB = h00 / det;
    result.tau = -1 / b;
    result.tauError = std::sqrt(varB) / (b * b);
    return result;
}
