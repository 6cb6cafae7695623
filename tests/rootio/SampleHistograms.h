#pragma once

// Histograms shaped like the ones the program writes, shared by the rootio suites and the
// JSROOT fixture; the callers fill in the bin contents.
#include "rootio/Histogram1D.h"

namespace rootiotest {

// The student's mass histogram: "hist", single precision, 50 bins over 1815..1915, all
// 52 bins (with under- and overflow) empty.
inline rootio::Histogram1D studentMassHistogram() {
    rootio::Histogram1D h;
    h.name = "hist";
    h.title = "My histogram";
    h.doublePrecision = false;
    h.nbins = 50;
    h.xmin = 1815;
    h.xmax = 1915;
    h.contents.assign(52, 0);
    return h;
}

// The fit canvas histogram: "D0Mass", double precision, 200 bins over 1815..1915 with the
// canvas's axis titles and no contents yet.
inline rootio::Histogram1D canvasMassHistogram() {
    rootio::Histogram1D h;
    h.name = "D0Mass";
    h.title = "D0Mass";
    h.nbins = 200;
    h.xmin = 1815;
    h.xmax = 1915;
    h.xTitle = "D^{0} Invariant Mass (MeV/c^{2})";
    h.yTitle = "D^{0} Candidates/(0.5 MeV)";
    return h;
}

} // namespace rootiotest
