#include "DataFiles.h"
#include "Vexel_D0_Exercise.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Puts a candidate file under /usr/local for a moment, so this suite runs alone (RUN_SERIAL):
// the launcher's tests look there too.
namespace {
QString candidateFile() {
    return QString::fromStdString(DataFiles::candidates());
}
} // namespace

TEST(CandidateFileLookup, TheSystemWideFileIsUsedWhenTheRunDirectoryHasNone) {
    const QString systemDir = "/usr/local/share/VexelLumora";
    const QString systemFile = systemDir + "/LumoraData_2012.root";
    if (!QFile::exists(candidateFile()))
        GTEST_SKIP() << "no generated candidate file in the run directory";
    if (QFile::exists(systemFile))
        GTEST_SKIP() << "a system-wide candidate file is installed";
    const bool madeDir = !QDir(systemDir).exists();
    if (!QDir().mkpath(systemDir) || !QFile::copy(candidateFile(), systemFile)) {
        if (madeDir)
            QDir().rmdir(systemDir);
        GTEST_SKIP() << "cannot create " << systemFile.toStdString();
    }
    QTemporaryDir empty;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(empty.path());
    const std::string path = candidateFilePath();
    bool built = false;
    try {
        TVSDReader reader(path.c_str());
        built = reader.fAnalysis->candidates().size() > 0;
    } catch (const MissingDataFile&) {
    }
    QDir::setCurrent(previous);
    QFile::remove(systemFile);
    if (madeDir)
        QDir().rmdir(systemDir);
    EXPECT_EQ(path, systemFile.toStdString());
    EXPECT_TRUE(built);
    // With the run directory's copy present, that one is preferred.
    EXPECT_EQ(candidateFilePath(), candidateFile().toStdString());
}
