#include "ClassFolderMaker.h"

#include "MassHistogram.h"
#include "studentfiles/StudentFileName.h"

#include <cmath>
#include <unistd.h>

namespace fs = std::filesystem;

namespace classtest {

std::vector<double> studentMasses(unsigned seed, int signal, int background) {
    unsigned state = seed * 2654435761u + 12345u;
    auto uniform = [&state] {
        state = state * 1103515245u + 12345u;
        return ((state >> 8) + 0.5) / 16777216.0;
    };
    std::vector<double> m;
    for (int i = 0; i < signal; ++i) {
        const double u1 = uniform(), u2 = uniform();
        m.push_back(1864.84 + 7.0 * std::sqrt(-2 * std::log(u1)) * std::cos(2 * M_PI * u2));
    }
    for (int i = 0; i < background; ++i)
        m.push_back(1815.0 + 100.0 * uniform());
    return m;
}

analysis::Hist1D studentHistogram(const std::vector<double>& masses) {
    analysis::Hist1D h = makeMassHistogram();
    for (double m : masses)
        h.fill(m);
    return h;
}

fs::path writeStudentWork(const fs::path& root, const StudentWork& work) {
    const fs::path dir = root / work.subfolder;
    fs::create_directories(dir);
    const std::string histName = std::to_string(work.combination) + "_" + work.identity + ".root";
    const std::string path = massHistogramPath(dir.string() + "/", histName);
    saveMassHistogram(path, studentHistogram(work.masses));
    if (!work.lifetimes.lifetimes.empty())
        analysis::writeLifetimeResults(
            studentfiles::lifetimeResultsPath(dir.string() + "/", work.combination, work.identity),
            work.lifetimes);
    return path;
}

std::vector<StudentWork> testClass() {
    static const char* const names[] = {"Ana",   "Bogdan", "Chloé", "Dieter", "Elena",
                                        "Fabio", "Greta",  "Hugo",  "Ioana",  "Jules"};
    std::vector<StudentWork> out;
    for (int i = 0; i < 25; ++i) {
        StudentWork w;
        w.identity = std::string(names[i % 10]) + "_Student" + std::to_string(i) + "_" +
                     std::to_string(9 + i % 4);
        w.combination = 1 + 7 * i;
        w.subfolder = i % 4 == 3 ? "usb/stick" + std::to_string(i % 2) : "";
        w.masses = studentMasses(static_cast<unsigned>(i + 1), 30 + i % 5, 12);
        if (i < 10) {
            const double cuts[] = {-1.5, -1.0, 0.5};
            for (int k = 0; k < 3; ++k)
                w.lifetimes.lifetimes.push_back(
                    {2, -4.0, cuts[k], 0.395 + 0.004 * k + 0.002 * i, 0.01 + 0.001 * k});
            if (i == 3) // saved again at the same cut: the later result counts
                w.lifetimes.lifetimes.push_back({2, -4.0, -1.0, 0.45, 0.02});
            if (i < 4)
                w.lifetimes.lifetimes.push_back({1, 3.0, 20.0, 0.40 + 0.01 * i, 0.015});
            w.lifetimes.massFit = analysis::SavedMassFit{1864.5, 0.4, 7.1, 0.3, 120, 30};
        }
        out.push_back(std::move(w));
    }
    return out;
}

} // namespace classtest
