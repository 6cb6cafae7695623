#pragma once

namespace analysis {

// English texts of the analysis messages. The window shows its own language's version
// of i1 ... i5; the others are the same in every language.
namespace AnalysisMessages {

extern const char* const kPlotMassFirst;
extern const char* const kPlotDistributionsFirst;
extern const char* const kNoSidebandBackground;
extern const char* const i1;
extern const char* const i2;
extern const char* const i3;
extern const char* const i4;
extern const char* const i5;

} // namespace AnalysisMessages
} // namespace analysis
