#pragma once

#include <QChar>
#include <QString>

#include <memory>

class QTranslator;

namespace vexel {

// One language of the program: English, the language of the source texts, or a compiled
// catalogue (a Qt Linguist .qm file). A text the catalogue lacks is shown in English.
class Language {
public:
    // English.
    Language();
    // The language `code` (as in vexel_<code>.qm) with its compiled catalogue (none: every
    // text in English). Its number is `number`, or when that is 0 the one its catalogue gives.
    Language(QString code, std::shared_ptr<const QTranslator> catalogue, int number = 0);

    // The number at the windows' boundary (1 EN, 2 FR, 3 DE, 4 IT, 5 RO, 6 ES, ...), also
    // the number of its help picture Icons/help<number>.png.
    int number() const { return number_; }
    // The number the catalogue gives, 0 when it gives none.
    int catalogueNumber() const;
    const QString& code() const { return code_; }
    // Its name in its own language ("Español").
    QString name() const;
    // The text of its language button ("ES").
    QString buttonText() const { return code_.toUpper(); }
    // The decimal sign numbers are shown with.
    QChar decimalSign() const;

    // The translation of a source text of `context`, the source text itself where the
    // catalogue has none.
    QString translated(const char* context, const char* source,
                       const char* disambiguation = nullptr) const;

private:
    QString code_;
    std::shared_ptr<const QTranslator> catalogue_;
    int number_ = 1;
};

} // namespace vexel
