#include "StudentFilesFolder.h"

#include "Languages.h"

#include "DataFiles.h"
#include "Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <atomic>

namespace StudentFilesFolder {

namespace {

std::atomic<bool> told{false};

bool canMakeFilesIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(".vexel-write-test-XXXXXX"));
    return probe.open();
}

// The installed program's own folders: <prefix>/bin and the data folder beside it.
bool insideInstalledProgram(const QString& folder) {
    const QString program = QString::fromStdString(DataFiles::programFile());
    if (program.isEmpty())
        return false;
    const QString prefix = QFileInfo(QFileInfo(program).absolutePath()).absolutePath();
    const QString here = QFileInfo(folder).canonicalFilePath() + '/';
    for (const QString& own :
         {prefix + "/bin",
          QString::fromStdString(DataFiles::dataDirectory(prefix.toStdString()))}) {
        const QString ownPath = QFileInfo(own).canonicalFilePath();
        if (!ownPath.isEmpty() && here.startsWith(ownPath + '/'))
            return true;
    }
    return false;
}

} // namespace

QString documentsFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath("VexelLumora") + '/';
}

QString savedInMessage(const vexel::Language& language, const QString& folder) {
    return language
        .translated("StudentFiles",
                    "The current folder cannot be written to. Your files are saved in %1")
        .arg(folder);
}

QString forSaving(const QString& chosen, int lang) {
    if (!chosen.isEmpty())
        return chosen;
    const QString here = QDir::currentPath();
    if (canMakeFilesIn(here) && !insideInstalledProgram(here))
        return QString();
    const QString folder = documentsFolder();
    // A folder that cannot be made is not announced: the save fails there and says so.
    if (!QDir().mkpath(folder))
        return folder;
    if (!told.exchange(true)) {
        const vexel::Language& language = vexel::Languages::installed().byNumber(lang);
        vexel::showMessage(language.translated("StudentFiles", "Info"),
                           savedInMessage(language, folder),
                           language.translated("StudentFiles", "Dismiss"));
    }
    return folder;
}

} // namespace StudentFilesFolder
