// Writes the fuzz targets' seeds with the program's own writers:
//   OUT/student/  a class folder: students' mass histograms and lifetime results
//   OUT/export/   class exports of that class and of a class of one student
// Usage: fuzz_seed_maker OUT
#include "MassHistogram.h"

#include "analysis/LifetimeResultsFile.h"
#include "classroom/ClassExport.h"
#include "classroom/LessonDaySources.h"
#include "studentfiles/StudentFileName.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A peak at the D0 mass on a flat background, the same for every run.
analysis::Hist1D studentHistogram(int student) {
    analysis::Hist1D h = makeMassHistogram();
    unsigned state = 7u + 31u * static_cast<unsigned>(student);
    const auto uniform = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    };
    for (int i = 0; i < 40; ++i)
        h.fill(1864.84 + 6.0 * (uniform() + uniform() + uniform() - 1.5) * 2.0);
    for (int i = 0; i < 15; ++i)
        h.fill(1815.0 + 100.0 * uniform());
    return h;
}

void writeStudent(const std::string& folder, int combination, const std::string& identity,
                  int student, bool lifetimes) {
    const std::string tail = std::to_string(combination) + "_" + identity + ".root";
    saveMassHistogram(massHistogramPath(folder + "/", tail), studentHistogram(student));
    if (!lifetimes)
        return;
    analysis::LifetimeResults r;
    r.lifetimes = {{2, -4.0, -1.0 + 0.5 * student, 0.40 + 0.01 * student, 0.012},
                   {1, 3.0, 20.0, 0.41, 0.015}};
    r.massFit = analysis::SavedMassFit{1864.6, 0.4, 7.0, 0.3, 110, 28};
    analysis::writeLifetimeResults(
        studentfiles::lifetimeResultsPath(folder + "/", combination, identity), r);
}

// The class of `folder` exported as the teacher's window does.
void exportClass(const std::string& folder, const classroom::ClassLabel& label,
                 const std::string& out) {
    classroom::LessonDaySources sources;
    sources.addFolder(folder, label);
    sources.rescan();
    const classroom::LessonDay day = sources.combine(classroom::DuplicateRule::CountOnce);
    classroom::writeClassExport(out + "/" + label.exportFileName(), day.classes.at(0).summary,
                                label, 1700000000000000000LL);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    const std::string student = out + "/student", exports = out + "/export";
    const std::string single = out + "/single";
    for (const auto& d : {student, exports, single}) {
        fs::remove_all(d);
        fs::create_directories(d);
    }
    writeStudent(student, 8, "Ana_Lopez_10", 0, true);
    writeStudent(student, 15, "Ben_Okafor_10", 1, true);
    writeStudent(student, 8, "Chen_Wu_11", 2, false);
    writeStudent(single, 22, "Dana", 3, false);
    exportClass(student, {"School", "7b", "Monday"}, exports);
    exportClass(single, {}, exports);
    fs::remove_all(single);
    return 0;
}
