#pragma once

#include <QString>
#include <QStringList>

namespace vexel {

// The messages of saving the analysis canvas, in the language `lang` (1 EN, 2 FR, 3 DE,
// 4 IT, 5 RO; others EN).
namespace CanvasSaveMessages {

QString title(int lang);
QString nameTooLong(int lang, int bytes, int maxBytes);
QString directoryMissing(int lang, const QString& directory);
QString directoryNotWritable(int lang, const QString& directory);
// Which files were saved and which were not (each "name: reason").
QString report(int lang, const QStringList& saved, const QStringList& notSaved);

} // namespace CanvasSaveMessages
} // namespace vexel
