#include "rootio/HistogramWriter.h"

#include "rootio/Error.h"
#include "rootio/WriteBuffer.h"

#include <algorithm>
#include <cmath>

namespace rootio {
namespace histogramwriter {

namespace {

constexpr std::uint32_t kMustCleanup = 0x8;
constexpr double kUnset = -1111.0;

void attLine(WriteBuffer& b, short color, short style, short width) {
    const auto bc = b.openByteCount();
    b.i16(2);
    b.i16(color);
    b.i16(style);
    b.i16(width);
    b.closeByteCount(bc);
}

void attFill(WriteBuffer& b, short color, short style) {
    const auto bc = b.openByteCount();
    b.i16(2);
    b.i16(color);
    b.i16(style);
    b.closeByteCount(bc);
}

void attMarker(WriteBuffer& b) {
    const auto bc = b.openByteCount();
    b.i16(2);
    b.i16(1);
    b.i16(1);
    b.f32(1.0f);
    b.closeByteCount(bc);
}

void axis(WriteBuffer& b, const std::string& name, const std::string& title, int nbins, double xmin,
          double xmax) {
    const auto bc = b.openByteCount();
    b.i16(10);
    b.tnamed(name, title);
    const auto att = b.openByteCount();
    b.i16(4);
    b.i32(510);
    b.i16(1);
    b.i16(1);
    b.i16(42);
    b.f32(0.005f);
    b.f32(0.035f);
    b.f32(0.03f);
    b.f32(1.0f);
    b.f32(0.035f);
    b.i16(1);
    b.i16(42);
    b.closeByteCount(att);
    b.i32(nbins);
    b.f64(xmin);
    b.f64(xmax);
    b.i32(0); // fXbins: uniform binning
    b.i32(0); // fFirst
    b.i32(0); // fLast
    b.u16(0); // fBits2
    b.u8(0);  // fTimeDisplay
    b.string("");
    b.u32(0); // fLabels
    b.u32(0); // fModLabs
    b.closeByteCount(bc);
}

void doubleArray(WriteBuffer& b, const std::vector<double>& v) {
    b.i32(static_cast<std::int32_t>(v.size()));
    for (double x : v)
        b.f64(x);
}

} // namespace

void validate(const Histogram1D& h) {
    if (h.name.empty())
        throw Error("histogram without a name");
    if (h.nbins <= 0)
        throw Error("histogram \"" + h.name + "\" has no bins");
    if (!(h.xmax > h.xmin) || !std::isfinite(h.xmin) || !std::isfinite(h.xmax))
        throw Error("histogram \"" + h.name + "\" has an empty or invalid axis range");
    const auto cells = static_cast<std::size_t>(h.nbins) + 2;
    if (h.contents.size() != cells)
        throw Error("histogram \"" + h.name + "\" needs nbins+2 contents");
    if (!h.sumw2.empty() && h.sumw2.size() != cells)
        throw Error("histogram \"" + h.name + "\" needs nbins+2 sums of squared weights");
}

void writeHistogram(WriteBuffer& b, const Histogram1D& h) {
    validate(h);
    const int cells = h.nbins + 2;
    double sumw = 0, sumw2 = 0, sumwx = 0, sumwx2 = 0;
    const double width = (h.xmax - h.xmin) / h.nbins;
    for (int i = 1; i <= h.nbins; ++i) {
        const double w = h.contents[i];
        const double x = h.xmin + (i - 0.5) * width;
        sumw += w;
        sumw2 += h.sumw2.empty() ? w : h.sumw2[i];
        sumwx += w * x;
        sumwx2 += w * x * x;
    }

    const auto top = b.openByteCount();
    b.i16(3);
    const auto th1 = b.openByteCount();
    b.i16(8);
    b.tnamed(h.name, h.title, kMustCleanup);
    attLine(b, 602, 1, 1);
    attFill(b, 0, 1001);
    attMarker(b);
    b.i32(cells);
    axis(b, "xaxis", h.xTitle, h.nbins, h.xmin, h.xmax);
    axis(b, "yaxis", h.yTitle, 1, 0, 1);
    axis(b, "zaxis", "", 1, 0, 1);
    b.i16(0);    // fBarOffset
    b.i16(1000); // fBarWidth
    b.f64(h.entries);
    b.f64(sumw);
    b.f64(sumw2);
    b.f64(sumwx);
    b.f64(sumwx2);
    b.f64(kUnset); // fMaximum
    b.f64(kUnset); // fMinimum
    b.f64(0);      // fNormFactor
    b.i32(0);      // fContour
    doubleArray(b, h.sumw2);
    b.string("");  // fOption
    b.emptyList(); // fFunctions
    b.i32(0);      // fBufferSize
    b.u8(0);       // fBuffer
    b.i32(0);      // fBinStatErrOpt
    b.i32(2);      // fStatOverflows
    b.closeByteCount(th1);
    b.i32(cells);
    for (double c : h.contents) {
        if (h.doublePrecision)
            b.f64(c);
        else
            b.f32(static_cast<float>(c));
    }
    b.closeByteCount(top);
}

void writeGraph(WriteBuffer& b, const Graph& g) {
    if (g.name.empty())
        throw Error("graph without a name");
    if (g.x.size() != g.y.size())
        throw Error("graph \"" + g.name + "\" has different numbers of x and y values");
    const auto top = b.openByteCount();
    b.i16(4);
    b.tnamed(g.name, g.title, 0x400);
    attLine(b, 1, 1, 1);
    attFill(b, 0, 1000);
    attMarker(b);
    const auto n = static_cast<std::int32_t>(g.x.size());
    b.i32(n);
    for (const auto* v : {&g.x, &g.y}) {
        b.u8(n > 0 ? 1 : 0);
        for (double x : *v)
            b.f64(x);
    }
    const auto slot = b.openObjectSlot("TList");
    b.emptyList();
    b.closeByteCount(slot);
    if (!g.xTitle.empty() || !g.yTitle.empty()) {
        // The axis titles live on the graph's frame histogram, as in ROOT.
        Histogram1D frame;
        frame.name = g.name;
        frame.title = g.title;
        frame.doublePrecision = false;
        frame.nbins = 100;
        double lo = 0, hi = 1;
        if (n > 0) {
            lo = *std::min_element(g.x.begin(), g.x.end());
            hi = *std::max_element(g.x.begin(), g.x.end());
            const double pad = hi > lo ? 0.1 * (hi - lo) : 1.0;
            lo -= pad;
            hi += pad;
        }
        frame.xmin = lo;
        frame.xmax = hi;
        frame.contents.assign(102, 0.0);
        frame.xTitle = g.xTitle;
        frame.yTitle = g.yTitle;
        const auto hs = b.openObjectSlot("TH1F");
        writeHistogram(b, frame);
        b.closeByteCount(hs);
    } else {
        b.u32(0);
    }
    b.f64(kUnset); // fMinimum
    b.f64(kUnset); // fMaximum
    b.closeByteCount(top);
}

} // namespace histogramwriter
} // namespace rootio
