#include "analysis/RootHistogramConversion.h"

namespace analysis {

rootio::Histogram1D toRootHistogram(const Hist1D& h) {
    rootio::Histogram1D out;
    out.name = h.name();
    out.title = h.title();
    out.doublePrecision = true;
    out.nbins = h.nbins();
    out.xmin = h.xmin();
    out.xmax = h.xmax();
    out.contents.resize(static_cast<std::size_t>(h.nbins()) + 2);
    out.sumw2.resize(out.contents.size());
    for (int bin = 0; bin <= h.nbins() + 1; ++bin) {
        out.contents[bin] = h.binContent(bin);
        out.sumw2[bin] = h.sumw2(bin);
    }
    out.entries = h.entries();
    out.xTitle = h.xTitle();
    out.yTitle = h.yTitle();
    return out;
}

} // namespace analysis
