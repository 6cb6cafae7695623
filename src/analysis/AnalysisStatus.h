#pragma once

#include <string>

namespace analysis {

// Outcome of one analysis operation: Ok, or why nothing was done (then no state has
// changed). `message` says it in English; the window shows its own translation of the code.
// An Ok may carry a warning: `approximateErrors` with a message.
struct AnalysisStatus {
    enum class Code {
        Ok,
        NoMassHistogram,      // mass fit before the mass was plotted
        NoMassFit,            // distributions before a mass fit (i5)
        SignalWindowAtEdge,   // signal window touches the background range (i1)
        NoSidebandBackground, // background line integrates to zero over the sidebands
        NoDistributions,      // lifetime fit before the distributions were plotted
        NothingToFit,         // no usable bin in the fit range
        FitFailed,            // the minimiser gave no result
        NoLifetimeFit,        // save without a lifetime fit (i3)
        UnknownTrend,         // trend id other than 1 ... 4
        NoSavedPoints,        // trend plot without a saved point (i2)
        EmptySignalRange,     // signal window with its upper edge not above its lower
        EmptyDecayTimeRange,  // decay-time cut with its upper edge not above its lower
    };

    Code code = Code::Ok;
    std::string message;
    // Ok, but the error matrix of the fit was forced positive definite: approximate errors.
    bool approximateErrors = false;

    bool ok() const { return code == Code::Ok; }
    explicit operator bool() const { return ok(); }

    static AnalysisStatus success() { return {}; }
    static AnalysisStatus failure(Code code, std::string message) {
        return {code, std::move(message)};
    }
};

} // namespace analysis
