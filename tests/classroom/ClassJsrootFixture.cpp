// Writes the files of the class-results code for the JSROOT check, each with a .json of the
// values written:  class_jsroot_fixture DIR
#include "ClassFolderMaker.h"
#include "JsonText.h"
#include "TemporaryFolder.h"
#include "analysis/LifetimeResultsFile.h"
#include "classroom/ClassExport.h"
#include "classroom/ClassFolder.h"
#include "classroom/ClassSummary.h"

#include <filesystem>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using vexel::test::json::nums;

void writeLifetimeFile(const std::string& dir) {
    std::map<int, std::vector<analysis::TrendPoint>> saved;
    saved[2] = {{-4.0, -1.5, 0.4123, 0.0101}, {-4.0, -1.0, 0.4087, 0.0093}, {-4, 1.5, 0.40, 0.008}};
    saved[3] = {{2.5, 12.0, 0.3999, 0.0150}};
    analysis::MassFitResult fit;
    fit.fit.valid = true;
    fit.fit.parameters = {80, 1864.91, 7.2, 0.01, 3};
    fit.fit.errors = {2, 0.35, 0.3, 0.001, 1};
    fit.signal = 1234;
    fit.background = 567;
    const auto results = analysis::lifetimeResultsFrom(saved, fit);
    analysis::writeLifetimeResults(dir + "/lifetime.root", results);
    std::vector<double> t, lo, hi, v, e;
    for (const auto& s : results.lifetimes) {
        t.push_back(s.trend);
        lo.push_back(s.cutMin);
        hi.push_back(s.cutMax);
        v.push_back(s.lifetime);
        e.push_back(s.error);
    }
    const auto& m = *results.massFit;
    std::ofstream(dir + "/lifetime.json")
        << "{\"trees\":[{\"name\":\"LifetimeResults\",\"entries\":" << t.size()
        << ",\"columns\":{\"trend\":" << nums(t) << ",\"cutMin\":" << nums(lo)
        << ",\"cutMax\":" << nums(hi) << ",\"lifetime\":" << nums(v)
        << ",\"lifetimeError\":" << nums(e) << "}},{\"name\":\"MassFit\",\"entries\":1,"
        << "\"columns\":{\"mean\":" << nums({m.mean}) << ",\"meanError\":" << nums({m.meanError})
        << ",\"sigma\":" << nums({m.sigma}) << ",\"sigmaError\":" << nums({m.sigmaError})
        << ",\"signal\":" << nums({m.signal}) << ",\"background\":" << nums({m.background})
        << "}}]}\n";
}

// The test class's results as exported; the expected contents are the students' histograms
// added up here, the class means computed here from the saved lifetimes.
void writeClassFile(const std::string& dir) {
    const auto students = classtest::testClass();
    const vexel::test::TemporaryFolder studentFolder("vexel-class-jsroot");
    const std::filesystem::path folder = studentFolder.path();
    analysis::Hist1D sum = classtest::studentHistogram({});
    for (const auto& w : students) {
        classtest::writeStudentWork(folder, w);
        sum.add(classtest::studentHistogram(w.masses), 1.0);
    }
    classroom::ClassFolder classFolder(folder.string());
    classFolder.rescan();
    const classroom::ClassSummary summary = classroom::summarize(classFolder.files());
    classroom::writeClassExport(dir + "/class.root", summary, {}, 0);
    std::filesystem::remove_all(folder);

    std::vector<double> contents, sumw2;
    for (int bin = 0; bin <= sum.nbins() + 1; ++bin) {
        contents.push_back(sum.binContent(bin));
        sumw2.push_back(sum.sumw2(bin));
    }
    // Upper IP cut, per cut: the ten students' last values (student 3 saved -1.0 twice).
    std::vector<double> trend, cut, mean, n;
    trend.push_back(1), cut.push_back(3.0), n.push_back(4);
    mean.push_back((0.40 + 0.41 + 0.42 + 0.43) / 4);
    const double cuts[] = {-1.5, -1.0, 0.5};
    for (int k = 0; k < 3; ++k) {
        double m = 0;
        for (int i = 0; i < 10; ++i)
            m += (i == 3 && k == 1 ? 0.45 : 0.395 + 0.004 * k + 0.002 * i) / 10;
        trend.push_back(2), cut.push_back(cuts[k]), mean.push_back(m), n.push_back(10);
    }
    std::vector<double> got;
    for (const auto& t : summary.trends)
        for (const auto& c : t.classMeans)
            got.push_back(c.mean);
    for (std::size_t i = 0; i < got.size() && i < mean.size(); ++i)
        if (std::abs(got[i] - mean[i]) > 1e-12)
            throw std::runtime_error("class mean " + std::to_string(i) + " differs");
    std::ofstream(dir + "/class.json")
        << "{\"histograms\":[{\"name\":\"classMass\",\"title\":\"Class D0 mass\","
        << "\"class\":\"TH1D\",\"nbins\":50,\"xmin\":1815,\"xmax\":1915,\"entries\":"
        << sum.entries() << ",\"xTitle\":\"D^{0} mass (MeV/c^{2})\","
        << "\"yTitle\":\"Candidates / (2 MeV/c^{2})\",\"contents\":" << nums(contents)
        << ",\"sumw2\":" << nums(sumw2) << "}],\"trees\":[{\"name\":\"ClassLifetimes\","
        << "\"entries\":4,\"columns\":{\"trend\":" << nums(trend) << ",\"cut\":" << nums(cut)
        << ",\"mean\":" << nums(got) << ",\"students\":" << nums(n) << "}}]}\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: class_jsroot_fixture DIR\n");
        return 2;
    }
    try {
        writeLifetimeFile(argv[1]);
        writeClassFile(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
