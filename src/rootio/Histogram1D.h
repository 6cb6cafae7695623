#pragma once

#include <string>
#include <vector>

namespace rootio {

// The stored content of a one-dimensional histogram (TH1D or TH1F).
struct Histogram1D {
    std::string name, title;
    bool doublePrecision = true; // TH1D when true, TH1F when false
    int nbins = 0;
    double xmin = 0, xmax = 0;
    std::vector<double> contents; // nbins+2: [0] underflow, [nbins+1] overflow
    std::vector<double> sumw2;    // empty, or nbins+2
    double entries = 0;
    std::string xTitle, yTitle;
};

} // namespace rootio
