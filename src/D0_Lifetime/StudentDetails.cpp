#include "StudentDetails.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace StudentDetails {

bool complete(const QString& name, const QString& surname, const QString& grade, int combination) {
    return !name.isEmpty() && !surname.isEmpty() && !grade.isEmpty() && combination > 0;
}

std::string identity(const QString& name, const QString& surname, const QString& grade) {
    return (name + "_" + surname + "_" + grade).toStdString();
}

std::optional<QString> outputDirectory(const QString& typed) {
    if (typed.size() < 2)
        return std::nullopt;
    return typed.endsWith('/') ? typed : typed + '/';
}

OutputDirectoryCheck checkOutputDirectory(const QString& typed, const QString& home) {
    auto directory = outputDirectory(typed);
    if (!directory)
        return {OutputDirectoryCheck::TooShort, QString()};
    if (directory->startsWith("~/"))
        *directory = (home.endsWith('/') ? home.chopped(1) : home) + directory->mid(1);
    auto outcome = OutputDirectoryCheck::Accepted;
    const QFileInfo folder(QDir::cleanPath(*directory));
    if (!folder.isDir()) {
        if (folder.exists() || !QFileInfo(folder.absolutePath()).isDir())
            return {OutputDirectoryCheck::Missing, *directory};
        if (!QDir().mkdir(folder.filePath()))
            return {OutputDirectoryCheck::NotWritable, *directory};
        outcome = OutputDirectoryCheck::Created;
    }
    // Permission bits do not tell (read-only mounts, the administrator's account): try.
    QTemporaryFile probe(QDir(*directory).filePath(".vexel-write-test-XXXXXX"));
    if (!probe.open())
        return {OutputDirectoryCheck::NotWritable, *directory};
    return {outcome, *directory};
}

} // namespace StudentDetails
