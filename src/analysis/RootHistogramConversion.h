#pragma once

#include "analysis/Hist1D.h"
#include "rootio/Histogram1D.h"

namespace analysis {

// A histogram as rootio writes it: a TH1D with contents, squared weights and entries.
rootio::Histogram1D toRootHistogram(const Hist1D& h);

} // namespace analysis
