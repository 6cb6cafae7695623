#pragma once

#include <string>

namespace analysis {

// Outcome of one analysis operation: Ok, or why nothing was done. The window shows
// `message` (or its own translation of the code) and leaves its state as it was. An Ok
// with a message carries a warning (e.g. approximate fit errors).
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
        EmptyRange,           // a range control with its upper edge not above its lower
    };

    Code code = Code::Ok;
    std::string message;

    bool ok() const { return code == Code::Ok; }
    explicit operator bool() const { return ok(); }

    static AnalysisStatus success() { return {}; }
    static AnalysisStatus failure(Code code, std::string message) {
        return {code, std::move(message)};
    }
};

} // namespace analysis
