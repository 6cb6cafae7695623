#include "MissingDataFile.h"

#include "D0ExerciseMessages.h"

#include <utility>

MissingDataFile::MissingDataFile(std::string path, Problem problem, std::string branch)
    : path_(std::move(path)), message_("Cannot open file " + path_), problem_(problem),
      branch_(std::move(branch)) {}

QString MissingDataFile::studentMessage(const vexel::Language& language) const {
    const D0ExerciseMessages m = D0ExerciseMessages::forLanguage(language);
    QString reason;
    switch (problem_) {
    case Problem::Missing:
        reason = m.fileMissing;
        break;
    case Problem::Unreadable:
        reason = m.fileUnreadable;
        break;
    case Problem::NotRootFile:
        reason = m.fileNotRoot;
        break;
    case Problem::Damaged:
        reason = m.fileDamaged;
        break;
    case Problem::NoTree:
        reason = m.noCandidateTree;
        break;
    case Problem::NotATree:
        reason = m.candidateTreeNotATree;
        break;
    case Problem::MissingBranch:
        reason = m.missingBranch.arg(QString::fromStdString(branch_));
        break;
    case Problem::BadBranch:
        reason = m.badBranch;
        break;
    }
    return m.cannotOpenFile.arg(QString::fromStdString(path_), reason);
}
