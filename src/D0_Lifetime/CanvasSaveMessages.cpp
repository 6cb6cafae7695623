#include "CanvasSaveMessages.h"

namespace vexel {
namespace CanvasSaveMessages {

QString title(const Language& language) {
    return language.translated("SaveCanvas", "Error");
}

QString nameTooLong(const Language& language, int bytes, int maxBytes) {
    //: %1 the bytes of the typed name, %2 the most that fit.
    return language
        .translated("SaveCanvas", "The file name is too long: %1 bytes, at most %2 fit. Nothing "
                                  "was saved; please type a shorter name.")
        .arg(bytes)
        .arg(maxBytes);
}

QString directoryMissing(const Language& language, const QString& directory) {
    return language.translated("SaveCanvas", "The directory %1 does not exist. Nothing was saved.")
        .arg(directory);
}

QString directoryNotWritable(const Language& language, const QString& directory) {
    return language.translated("SaveCanvas", "The directory %1 is not writable. Nothing was saved.")
        .arg(directory);
}

QString report(const Language& language, const QStringList& saved, const QStringList& notSaved) {
    QString text;
    if (!saved.isEmpty())
        //: Heading of the list of files saved, one a line below it.
        text += language.translated("SaveCanvas", "Saved:") + "\n  " + saved.join("\n  ") + "\n";
    if (!notSaved.isEmpty())
        //: Heading of the list of files not saved, one a line below it.
        text += language.translated("SaveCanvas",
                                    "Not saved (an earlier file of the same name is kept):") +
                "\n  " + notSaved.join("\n  ");
    return text.trimmed();
}

} // namespace CanvasSaveMessages
} // namespace vexel
