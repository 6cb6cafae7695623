#pragma once

#include "Language.h"

#include <QString>
#include <QStringList>

namespace vexel {

// The messages of saving the analysis canvas, in one language.
namespace CanvasSaveMessages {

QString title(const Language& language);
QString nameTooLong(const Language& language, int bytes, int maxBytes);
QString directoryMissing(const Language& language, const QString& directory);
QString directoryNotWritable(const Language& language, const QString& directory);
// Which files were saved and which were not (each "name: reason").
QString report(const Language& language, const QStringList& saved, const QStringList& notSaved);

} // namespace CanvasSaveMessages
} // namespace vexel
