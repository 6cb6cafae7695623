// Writes the files of the class-results code for the JSROOT check, each with a .json of the
// values written:  class_jsroot_fixture DIR
#include "analysis/LifetimeResultsFile.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

std::string nums(const std::vector<double>& v) {
    std::string out = "[";
    char buf[40];
    for (std::size_t i = 0; i < v.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%.17g", v[i]);
        out += (i ? "," : "") + std::string(buf);
    }
    return out + "]";
}

void writeLifetimeFile(const std::string& dir) {
    std::map<int, std::vector<FitResults::FitPoint>> saved;
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: class_jsroot_fixture DIR\n");
        return 2;
    }
    try {
        writeLifetimeFile(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
