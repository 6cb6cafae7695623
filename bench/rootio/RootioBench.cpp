// Reading whole double columns: rootio against JSROOT and against raw zlib inflate of the
// same baskets (the practical limit).
//   rootio_bench [ENTRIES]
#include "rootio/FileReader.h"
#include "rootio/FileWriter.h"
#include "rootio/RecordSource.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

const std::vector<std::string> kBranches = {"D0_MM", "D0_PT", "D0_TAU", "D0_MINIP"};

void writeFile(const std::string& path, long long entries) {
    std::mt19937_64 rng(65539);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<std::pair<std::string, std::vector<double>>> columns;
    for (const auto& b : kBranches)
        columns.push_back({b, std::vector<double>(static_cast<std::size_t>(entries))});
    for (long long i = 0; i < entries; ++i) {
        columns[0].second[i] = 1865 + 8 * std::sqrt(-2 * std::log(u(rng) + 1e-300)) *
                                          std::cos(6.283185307179586 * u(rng));
        columns[1].second[i] = 2000 - 3000 * std::log(u(rng) + 1e-300);
        columns[2].second[i] = -0.41 * std::log(u(rng) + 1e-300);
        columns[3].second[i] = std::exp(-7 + 6 * u(rng));
    }
    rootio::FileWriter w(path);
    w.addDoubleTree("DecayTree", "DecayTree", columns);
    w.save();
}

double rootioRead(const std::string& path, double& checksum) {
    const auto t = Clock::now();
    const rootio::FileReader r(path);
    checksum = 0;
    for (const auto& b : kBranches)
        for (double v : r.readColumn("DecayTree", b))
            checksum += v;
    return msSince(t);
}

// Inflates every basket of the file with zlib directly: the file is in memory, baskets are
// found by walking the records, and only the inflate calls are timed.
double rawInflate(const std::string& path, std::size_t& inflated) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    const rootio::RecordSource source(bytes);
    struct Block {
        const std::uint8_t* data;
        std::size_t size, out;
    };
    std::vector<Block> blocks;
    for (std::int64_t at = source.begin(); at < source.end();) {
        const rootio::KeyHeader k = source.keyAt(at);
        if (k.className == "TBasket") {
            const std::uint8_t* p = source.data() + at + k.keylen;
            const std::size_t stored = static_cast<std::size_t>(k.nbytes - k.keylen);
            if (static_cast<std::size_t>(k.objlen) > stored) // skip the 9-byte block header
                blocks.push_back({p + 9, stored - 9, static_cast<std::size_t>(k.objlen)});
        }
        at += k.nbytes;
    }
    std::vector<std::uint8_t> out;
    inflated = 0;
    const auto t = Clock::now();
    for (const auto& b : blocks) {
        out.resize(b.out);
        uLongf len = static_cast<uLongf>(b.out);
        if (uncompress(out.data(), &len, b.data, static_cast<uLong>(b.size)) != Z_OK)
            throw std::runtime_error("inflate failed");
        inflated += len;
    }
    return msSince(t);
}

} // namespace

int main(int argc, char** argv) {
    const long long entries = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const std::string dir = BENCH_WORK_DIR;
    const std::string path = dir + "/bench_decaytree.root";
    try {
        auto t = Clock::now();
        writeFile(path, entries);
        std::printf("wrote %lld entries x 4 double branches (zlib 1) in %.0f ms\n", entries,
                    msSince(t));

        double checksum = 0, best = 1e30;
        for (int i = 0; i < 5; ++i)
            best = std::min(best, rootioRead(path, checksum));
        std::size_t inflated = 0;
        double raw = 1e30;
        for (int i = 0; i < 5; ++i)
            raw = std::min(raw, rawInflate(path, inflated));

        double js = -1;
        const std::string cmd = "sh " BENCH_INSTALL_SCRIPT " " BENCH_JS_DIR
                                " > /dev/null && cd " BENCH_JS_DIR " && node bench_jsroot.mjs " +
                                path + " DecayTree D0_MM D0_PT D0_TAU D0_MINIP";
        double jsChecksum = 0;
        for (int i = 0; i < 2; ++i) {
            if (FILE* p = ::popen(cmd.c_str(), "r")) {
                double ms = -1, sum = 0;
                long long n = 0;
                if (std::fscanf(p, "%lf %lld %lf", &ms, &n, &sum) == 3 && n == entries) {
                    js = js < 0 ? ms : std::min(js, ms);
                    jsChecksum = sum;
                }
                ::pclose(p);
            }
        }

        std::printf("\nreading the four columns (%lld entries, %.1f MB of doubles, best of runs)\n",
                    entries, entries * 32 / 1e6);
        std::printf("  rootio readColumn x4 (open + read) : %8.1f ms\n", best);
        std::printf("  raw zlib inflate of the baskets    : %8.1f ms  (%.1f MB out)\n", raw,
                    inflated / 1e6);
        if (js > 0)
            std::printf("  JSROOT treeProcess, 4 branches     : %8.1f ms\n", js);
        else
            std::printf("  JSROOT                             : not available (node/npm?)\n");
        std::printf("\n  rootio / raw inflate : %.2f  (aim: <= 1.5)\n", best / raw);
        if (js > 0) {
            std::printf("  JSROOT / rootio      : %.1f  (aim: >= 5)\n", js / best);
            const double rel =
                std::fabs(jsChecksum - checksum) / std::max(1.0, std::fabs(checksum));
            std::printf("  sums agree           : %s\n", rel < 1e-9 ? "yes" : "NO");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "rootio_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
