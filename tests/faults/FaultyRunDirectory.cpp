#include "FaultyRunDirectory.h"
#include "DataFiles.h"
#include "Languages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace vexel::test {

namespace {

const QString kRunDir = QStringLiteral(VEXEL_RUN_DIR);
// A ROOT file written by ROOT that holds neither events nor candidates.
const QString kOtherRootFile =
    QStringLiteral(VEXEL_SHARED_DIR "/testdata/rootfiles/uproot-small-evnt-tree-fullsplit.root");

QByteArray faulty(const QByteArray& good, Fault fault) {
    switch (fault) {
    case Fault::Missing:
    case Fault::Empty:
        return {};
    case Fault::Truncated:
        return good.left(good.size() / 2);
    case Fault::FlippedBytes: {
        // 31 bytes inverted, spread over the file after its header.
        QByteArray bad = good;
        for (int k = 1; k < 32 && !bad.isEmpty(); ++k) {
            const int at = int((qint64(bad.size() - 1) * k) / 31);
            bad[at] = char(~bad[at]);
        }
        return bad;
    }
    case Fault::Unreadable:
        return good;
    case Fault::OtherRootFile: {
        QFile other(kOtherRootFile);
        return other.open(QIODevice::ReadOnly) ? other.readAll() : QByteArray();
    }
    }
    return {};
}

} // namespace

const char* faultName(Fault fault) {
    switch (fault) {
    case Fault::Missing:
        return "missing";
    case Fault::Empty:
        return "empty";
    case Fault::Truncated:
        return "truncated";
    case Fault::FlippedBytes:
        return "flipped bytes";
    case Fault::OtherRootFile:
        return "another ROOT file";
    case Fault::Unreadable:
        return "unreadable";
    }
    return "";
}

bool faultAvailable(Fault fault) {
    return fault != Fault::OtherRootFile || QFile::exists(kOtherRootFile);
}

FaultyRunDirectory::FaultyRunDirectory() : previous_(QDir::currentPath()) {
    if (!dir_.isValid() || !QFile::exists(kRunDir + "/share/VexelLumora/vexelfull.gdml"))
        return;
    QDirIterator it(kRunDir, QDir::Files, QDirIterator::Subdirectories);
    valid_ = true;
    while (it.hasNext()) {
        const QString relative = QDir(kRunDir).relativeFilePath(it.next());
        const QString target = dir_.filePath(relative);
        valid_ =
            valid_ && QDir().mkpath(QFileInfo(target).path()) && QFile::link(it.filePath(), target);
    }
    // The languages are the build's: read before the working directory changes.
    vexel::Languages::installed();
    valid_ = valid_ && QDir::setCurrent(dir_.path());
}

FaultyRunDirectory::~FaultyRunDirectory() {
    QDir::setCurrent(previous_);
}

void FaultyRunDirectory::breakFile(const QString& relative, Fault fault) {
    QFile good(kRunDir + "/" + relative);
    const QByteArray content = good.open(QIODevice::ReadOnly) ? good.readAll() : QByteArray();
    const QString path = dir_.filePath(relative);
    QFile::remove(path);
    if (fault == Fault::Missing)
        return;
    QFile bad(path);
    if (bad.open(QIODevice::WriteOnly))
        bad.write(faulty(content, fault));
    bad.close();
    if (fault == Fault::Unreadable)
        QFile::setPermissions(path, QFile::WriteOwner);
}

QStringList FaultyRunDirectory::pictures() {
    QStringList all{QString::fromStdString(DataFiles::logo())};
    for (const QString& name : QDir(kRunDir + "/Icons").entryList({"*.png"}, QDir::Files))
        all << QString::fromStdString(DataFiles::picture(name.toStdString()));
    return all;
}

} // namespace vexel::test
