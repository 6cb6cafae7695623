#include "MassHistogram.h"

#include "analysis/ExerciseRanges.h"
#include "analysis/RootHistogramConversion.h"
#include "rootio/FileWriter.h"
#include "studentfiles/StudentFileName.h"

#include <algorithm>

analysis::Hist1D makeMassHistogram() {
    using namespace analysis::ExerciseRanges;
    return analysis::Hist1D("hist", "My histogram", eventMassHistogramBins, eventMassHistogram.min,
                            eventMassHistogram.max);
}

rootio::Histogram1D massHistogramRecord(const analysis::Hist1D& hist) {
    rootio::Histogram1D record = analysis::toRootHistogram(hist);
    record.doublePrecision = false;
    // A TH1F holds its contents in single precision.
    for (double& content : record.contents)
        content = static_cast<float>(content);
    return record;
}

std::string massHistogramPath(const std::string& pathSave, const std::string& histName) {
    return studentfiles::studentFilePath(pathSave, studentfiles::StudentFileKind::MassHistogram,
                                         histName);
}

void saveMassHistogram(const std::string& path, const analysis::Hist1D& hist) {
    rootio::FileWriter writer(path, 1);
    writer.addHistogram(massHistogramRecord(hist));
    writer.save();
}
