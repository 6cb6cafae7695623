#include "analysis/AnalysisMessages.h"

namespace analysis {
namespace AnalysisMessages {

const char* const kPlotMassFirst =
    "You must plot the invariant mass\ndistribution before attempting to fit it.";
const char* const kPlotDistributionsFirst =
    "You must plot the variable distributions\nbefore attempting to fit the signal lifetime.";
const char* const kNoSidebandBackground =
    "The fitted background line gives no positive\nbackground in the sidebands, so the background\n"
    "under the peak cannot be scaled from them.\nChange the signal range or fit the mass again.";
const char* const kEmptySignalRange =
    "The signal range is empty: its upper edge must lie above its lower edge.";
const char* const kEmptyDecayTimeRange =
    "The decay-time range is empty: its upper edge must lie above its lower edge.";
const char* const kSignalRangeFillsMassRange =
    "You cannot set the signal range to be the same as the total mass range.\nThe background "
    "range must always contain\nat least some area which is not\nin the signal range, so that "
    "you have\nsome pure background events to subtract.\n";
const char* const kSaveResultBeforeTrend =
    "You must save at least one result of the\nlifetime fit before making the trend plot.";
const char* const kFitLifetimeBeforeSaving =
    "You must fit the lifetime distribution before\nattempting to save the results of this fit.";
const char* const kBothCutEdgesVarying = "WARNING: Max and min cut are both varying";
const char* const kFitMassBeforeDistributions =
    "You must fit the mass distribution\nbefore plotting the variable distributions.\nThe fit "
    "to the mass distribution allows\nyou to measure the number of background\nevents under "
    "the signal peak. This\nin turn means that you know how many background\nevents to "
    "subtract from the signal region\nto get the signal variable distributions.\n";

} // namespace AnalysisMessages
} // namespace analysis
