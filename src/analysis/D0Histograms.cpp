#include "analysis/D0Histograms.h"

namespace analysis {

void D0Histograms::deleteAll() {
    decayTimeSignalForFit.reset();
    decayTimeBackgroundForFit.reset();
    mass.reset();
    ptSignal.reset();
    decayTimeSignal.reset();
    logIPSignal.reset();
    ptBackground.reset();
    decayTimeBackground.reset();
    logIPBackground.reset();
}

} // namespace analysis
