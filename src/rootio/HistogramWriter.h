#pragma once

#include "rootio/Graph.h"
#include "rootio/Histogram1D.h"

namespace rootio {

class WriteBuffer;

// Streams TH1F/TH1D (class version 3 over TH1 version 8) and TGraph (version 4).
namespace histogramwriter {

// Throws rootio::Error (without file name) when the histogram is inconsistent.
void validate(const Histogram1D& h);
void writeHistogram(WriteBuffer& b, const Histogram1D& h);
void writeGraph(WriteBuffer& b, const Graph& g);

} // namespace histogramwriter
} // namespace rootio
