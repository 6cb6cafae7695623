#include "Language.h"

#include <QLocale>
#include <QTranslator>

namespace vexel {

Language::Language() : code_("en") {}

Language::Language(QString code, std::shared_ptr<const QTranslator> catalogue, int number)
    : code_(std::move(code)), catalogue_(std::move(catalogue)),
      number_(number > 0 ? number : catalogueNumber()) {}

QString Language::translated(const char* context, const char* source,
                             const char* disambiguation) const {
    if (catalogue_) {
        const QString text = catalogue_->translate(context, source, disambiguation);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

int Language::catalogueNumber() const {
    if (!catalogue_)
        return 0;
    //: The number of this language's help picture Icons/help<number>.png, which also tells the
    //: language apart inside the program: 1 English, 2 French, 3 German, 4 Italian,
    //: 5 Romanian, 6 Spanish; a new language takes the next free number.
    const QString text = translated("Language", "1", "number of the help picture");
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n > 1 ? n : 0;
}

QString Language::name() const {
    //: The language's name in its own language, as a student who speaks it would write it.
    const QString name = translated("Language", "English", "name of this language");
    if (name != "English" || code_ == "en")
        return name;
    // A catalogue without the name: the one Qt knows for the code, else the code.
    const QString known = QLocale(code_).nativeLanguageName();
    return known.isEmpty() || QLocale(code_).language() == QLocale::C ? code_ : known;
}

QChar Language::decimalSign() const {
    //: The decimal sign numbers are shown with: "." or ",".
    const QString sign = translated("Language", ".", "decimal sign");
    return sign.size() == 1 ? sign.at(0) : QChar('.');
}

} // namespace vexel
