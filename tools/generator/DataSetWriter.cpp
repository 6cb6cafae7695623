#include "DataSetWriter.h"

#include "CandidateGenerator.h"
#include "DetectorGeometry.h"
#include "EventGenerator.h"
#include "GdmlWriter.h"
#include "Random.h"
#include "rootio/FileWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vexelgen {

namespace fs = std::filesystem;

void writeFileAtomically(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << contents;
        out.flush();
        if (!out)
            throw std::runtime_error(path + ": cannot be written");
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw std::runtime_error(path + ": cannot be written");
    }
}

std::string DataSetWriter::eventFileName(int combination) {
    return "lumoeventv2_D0_" + std::to_string(combination) + ".root";
}

std::string DataSetWriter::shareDir() const {
    return (fs::path(options_.runDirectory) / "share" / "VexelLumora").string();
}

void DataSetWriter::writeAll() const {
    fs::create_directories(shareDir());
    writeGeometry();
    writeEventFiles();
    writeCandidates();
}

void DataSetWriter::writeGeometry() const {
    writeFileAtomically(shareDir() + "/vexelfull.gdml",
                        GdmlWriter::toGdml(DetectorGeometry::build()));
}

void DataSetWriter::writeEventFiles() const {
    // Each file has its own random stream, so files can be made in any order or in parallel.
    auto writeRange = [this](int first, int step) {
        for (int i = first; i <= options_.eventFiles; i += step) {
            EventGenerator generator(streamSeed(options_.seed, 1000 + i));
            rootio::FileWriter writer(shareDir() + "/" + eventFileName(i));
            writer.addEventTree("MCEvent", generator.events(options_.eventsPerFile));
            writer.save();
        }
    };
    std::exception_ptr failure;
    std::thread second([&] {
        try {
            writeRange(2, 2);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        writeRange(1, 2);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (failure)
        std::rethrow_exception(failure);
}

void DataSetWriter::writeCandidates() const {
    CandidateGenerator generator(streamSeed(options_.seed, 1));
    CandidateSample s = generator.generate(options_.candidates);
    rootio::FileWriter writer(shareDir() + "/LumoraData_2012.root");
    writer.addDoubleTree("DecayTree", "D0 candidates",
                         {{"D0_MM", std::move(s.D0_MM)},
                          {"D0_PT", std::move(s.D0_PT)},
                          {"D0_TAU", std::move(s.D0_TAU)},
                          {"D0_MINIP", std::move(s.D0_MINIP)}});
    writer.save();
}

} // namespace vexelgen
