#pragma once

#include "Language.h"

#include <QStringList>

#include <vector>

namespace vexel {

// The languages a program can offer: English and one compiled catalogue vexel_<code>.qm for
// each further language.
class Languages {
public:
    // English only.
    Languages();

    // English and every vexel_<code>.qm in the folders, in order of their numbers; for a code
    // found in several folders the first folder's file counts. A file that cannot be used
    // (empty, cut short, not a catalogue) leaves its language in English, and so does a
    // missing catalogue of French, German, Italian or Romanian, whose buttons are always
    // offered; each such file is named once in problems().
    static Languages load(const QStringList& folders);

    // The installed languages of this program, loaded from the data folders on first use;
    // the files that could not be used are reported on standard error then.
    static const Languages& installed();

    const std::vector<Language>& all() const { return languages_; }
    // The language of a number at the windows' boundary; English for an unknown number.
    const Language& byNumber(int number) const;
    // The language of a code ("es"), or nullptr.
    const Language* byCode(const QString& code) const;
    // One line in English for each language file that could not be used.
    const QStringList& problems() const { return problems_; }

private:
    std::vector<Language> languages_;
    QStringList problems_;
};

} // namespace vexel
