#pragma once

#include "Language.h"

#include <QString>

#include <map>

// Every text the windows show in a language, under the keys of the table made before the
// texts moved into catalogues (tests/translations/texts-before-catalogue.tsv).
std::map<QString, QString> shownTexts(const vexel::Language& language);
