#pragma once

#include "rootio/TrackRecord.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace vexel::test {

// A small detector in GDML: a vacuum vertex tank (at z = 100 mm) holding silicon
// sensors, iron magnet yokes, an air-filled ECAL wall of "EcalModulesFiberPb"
// modules (lead fibre) and a chain of nested boxes five levels deep.
std::string testDetectorGdml(bool withEcalModules = true);

// A track record: a straight line from start in direction dir (mm), n points.
rootio::TrackRecord track(const std::string& name, std::array<float, 3> start,
                          std::array<float, 3> dir, int n = 20, double px = 100, double py = 50,
                          double pz = 10000);

// An event: a D0 and its kaon and pion from a vertex near the origin, then
// further pions and kaons. The third record starts at the vertex.
std::vector<rootio::TrackRecord> testEvent(int index, int tracks = 8);

// Writes events as tree "MCEvent" into path.
void writeEventFile(const std::string& path,
                    const std::vector<std::vector<rootio::TrackRecord>>& events);

// A temporary run directory (share/VexelLumora, Icons) that is the working
// directory while the object lives.
class RunDirectory {
public:
    RunDirectory();
    ~RunDirectory();
    QString path(const QString& relative) const;
    void writeGeometry(const std::string& gdml);
    void writeEvents(int combination, const std::vector<std::vector<rootio::TrackRecord>>& events);
    // Simple pictures for every picture the window shows.
    void writePictures();
    // A run directory with the small test detector and the pictures.
    static std::unique_ptr<RunDirectory> withTestDetector();

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Nothing when the working directory holds the generated detector and events;
// otherwise a run directory with the small test detector and `events` events of
// `tracks` tracks, the working directory while it lives.
std::unique_ptr<RunDirectory> syntheticDataUnlessGenerated(int events, int tracks);

} // namespace vexel::test
