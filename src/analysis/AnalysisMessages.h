#pragma once

namespace analysis {

// English texts of the analysis messages. The window shows its own translation where the
// exercise has one.
namespace AnalysisMessages {

extern const char* const kPlotMassFirst;
extern const char* const kPlotDistributionsFirst;
extern const char* const kNoSidebandBackground;
extern const char* const kEmptySignalRange;
extern const char* const kEmptyDecayTimeRange;
extern const char* const kSignalRangeFillsMassRange;
extern const char* const kSaveResultBeforeTrend;
extern const char* const kFitLifetimeBeforeSaving;
extern const char* const kBothCutEdgesVarying;
extern const char* const kFitMassBeforeDistributions;

} // namespace AnalysisMessages
} // namespace analysis
