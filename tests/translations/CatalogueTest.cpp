// The catalogues: the five languages show today's texts byte for byte, the shipped .ts files
// are finished and in step with the sources, and a language file that cannot be used leaves
// its language in English.
#include "Languages.h"
#include "ShownTexts.h"
#include "TemporaryFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using vexel::test::TemporaryFolder;

namespace {

const QString kSource = VEXEL_SOURCE_DIR;
const QString kCatalogues = QString(VEXEL_RUN_DIR) + "/share/VexelLumora/translations";

// The table of today's texts: key → language number → text.
std::map<QString, std::map<int, QString>> textsBefore() {
    QFile file(kSource + "/tests/translations/texts-before-catalogue.tsv");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<QString, std::map<int, QString>> table;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        QString text;
        for (int i = 0; i < fields[2].size(); ++i) {
            if (fields[2][i] != '\\') {
                text += fields[2][i];
                continue;
            }
            const QChar next = fields[2][++i];
            text += next == 'n' ? QChar('\n') : next == 't' ? QChar('\t') : next;
        }
        table[fields[0]][fields[1].toInt()] = text;
    }
    return table;
}

struct Entry {
    QString context, source, comment, extraComment, translation, type;
};

std::vector<Entry> entries(const QString& tsFile) {
    QFile file(tsFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << tsFile.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> result;
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            entry = Entry{context};
        else if (name == QLatin1String("source"))
            entry.source = xml.readElementText();
        else if (name == QLatin1String("comment"))
            entry.comment = xml.readElementText();
        else if (name == QLatin1String("extracomment"))
            entry.extraComment = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value("type").toString();
            entry.translation = xml.readElementText();
            result.push_back(entry);
        }
    }
    EXPECT_FALSE(xml.hasError()) << tsFile.toStdString() << ": " << xml.errorString().toStdString();
    return result;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    auto it = QRegularExpression("%[0-9]+|%[a-z]").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    return sorted(found);
}

// What is wrong with the entries of a catalogue, one line each: unfinished or obsolete
// entries, and translations whose placeholders, list separators or (where the layout relies on
// them and the translator's note says "Keep the line breaks") line breaks differ from the
// source's.
QStringList faults(const std::vector<Entry>& all) {
    QStringList found;
    for (const Entry& e : all) {
        const QString where = e.context + " \"" + e.source.left(40) + "\": ";
        if (!e.type.isEmpty())
            found << where + e.type;
        if (placeholders(e.translation) != placeholders(e.source))
            found << where + "placeholders differ";
        if (e.translation.count('|') != e.source.count('|'))
            found << where + "list separators differ";
        if (e.extraComment.contains("Keep the line breaks") &&
            e.translation.count('\n') != e.source.count('\n'))
            found << where + "line breaks differ";
    }
    return found;
}

// The shipped .ts files as lupdate leaves them after reading today's sources.
QString updatedCopy(const TemporaryFolder& folder, const QString& ts) {
    const QString copy =
        QString::fromStdString(folder.file(QFileInfo(ts).fileName().toStdString()));
    QFile::copy(ts, copy);
    const QString command = QString("\"%1\" %2 \"%3/src\" \"%3/tools\" -ts \"%4\" >/dev/null 2>&1")
                                .arg(VEXEL_LUPDATE, QString(VEXEL_LUPDATE_OPTIONS), kSource, copy);
    EXPECT_EQ(std::system(command.toUtf8().constData()), 0) << command.toStdString();
    return copy;
}

} // namespace

TEST(CatalogueTest, TheFiveLanguagesShowTodaysTextsByteForByte) {
    const auto table = textsBefore();
    ASSERT_GT(table.size(), 200u);
    const vexel::Languages languages = vexel::Languages::load({kCatalogues});
    EXPECT_TRUE(languages.problems().isEmpty()) << languages.problems().join('\n').toStdString();
    for (int number = 1; number <= 5; ++number) {
        const auto shown = shownTexts(languages.byNumber(number));
        for (const auto& [key, byLanguage] : table) {
            ASSERT_TRUE(shown.count(key)) << key.toStdString() << " is no longer shown";
            EXPECT_EQ(shown.at(key).toUtf8(), byLanguage.at(number).toUtf8())
                << key.toStdString() << " in language " << number;
        }
        // Every text shown is in the table.
        for (const auto& [key, text] : shown)
            EXPECT_TRUE(table.count(key)) << key.toStdString() << " is not in the table";
    }
    // Spanish: the sixth language, its own name and the decimal comma, every text its own.
    const vexel::Language* spanish = languages.byCode("es");
    ASSERT_NE(spanish, nullptr);
    EXPECT_EQ(spanish->number(), 6);
    EXPECT_EQ(spanish->name(), QString::fromUtf8("Español"));
    EXPECT_EQ(spanish->decimalSign(), QChar(','));
    const auto english = shownTexts(languages.byNumber(1));
    int same = 0;
    for (const auto& [key, text] : shownTexts(*spanish))
        same += text == english.at(key);
    // Names, units and symbols only ("Error", "Zoom", "MeV/c", "D0 PT :", ...).
    EXPECT_LT(same, 20);
}

TEST(CatalogueTest, ShippedCataloguesAreFinishedAndInStepWithTheSources) {
    TemporaryFolder folder("vexel-ts");
    const QStringList shipped = QDir(kSource + "/translations").entryList({"vexel_*.ts"});
    ASSERT_GE(shipped.size(), 5);
    for (const QString& name : shipped) {
        const auto all = entries(updatedCopy(folder, kSource + "/translations/" + name));
        EXPECT_GT(all.size(), 200u) << name.toStdString();
        const QStringList found = faults(all);
        EXPECT_TRUE(found.isEmpty()) << name.toStdString() << ":\n"
                                     << found.join('\n').toStdString();
    }

    // The check finds what a translator may get wrong.
    std::vector<Entry> doctored = entries(kSource + "/translations/vexel_es.ts");
    auto find = [&](const char* source) {
        return std::find_if(doctored.begin(), doctored.end(),
                            [&](const Entry& e) { return e.source == source; });
    };
    find("Combination %1")->translation = QString::fromUtf8("Combinación");
    find("Cannot open file %1\n%2")->translation = "No se puede abrir %1 %2";
    find("File|Reason|Details")->translation = "Archivo|Motivo";
    find("Trend:")->type = "unfinished";
    EXPECT_EQ(faults(doctored).size(), 4) << faults(doctored).join('\n').toStdString();
}

TEST(CatalogueTest, UnusableLanguageFilesLeaveTheirLanguageInEnglish) {
    TemporaryFolder folder("vexel-qm");
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(QString::fromStdString(folder.file(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    QFile german(kCatalogues + "/vexel_de.qm");
    ASSERT_TRUE(german.open(QIODevice::ReadOnly));
    const QByteArray germanBytes = german.readAll();
    write("vexel_fr.qm", "");                                          // empty
    write("vexel_de.qm", germanBytes.left(germanBytes.size() / 2));    // cut short
    write("vexel_it.qm", "<TS version=\"2.1\" language=\"it\"></TS>"); // not compiled
    // Romanian missing; Spanish with two texts only.
    write("vexel_es.ts",
          QString::fromUtf8("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS "
                            "version=\"2.1\" language=\"es\"><context><name>Launcher</name>"
                            "<message><source>Save</source><translation>Guardar</translation>"
                            "</message></context><context><name>Language</name><message>"
                            "<source>1</source><comment>number of the help picture</comment>"
                            "<translation>6</translation></message></context></TS>")
              .toUtf8());
    const std::string lrelease = std::string("\"") + VEXEL_LRELEASE + "\" \"" +
                                 folder.file("vexel_es.ts") + "\" >/dev/null 2>&1";
    ASSERT_EQ(std::system(lrelease.c_str()), 0);

    const vexel::Languages languages =
        vexel::Languages::load({QString::fromStdString(folder.path().string())});
    const QStringList problems = languages.problems();
    EXPECT_EQ(problems.size(), 4) << problems.join('\n').toStdString();
    for (const char* file : {"vexel_fr.qm", "vexel_de.qm", "vexel_it.qm", "vexel_ro.qm"})
        EXPECT_EQ(problems.filter(file).size(), 1) << file;
    for (int number = 2; number <= 5; ++number) {
        EXPECT_EQ(languages.byNumber(number).number(), number);
        EXPECT_EQ(languages.byNumber(number).translated("Launcher", "Save"), "Save");
    }
    const vexel::Language& spanish = languages.byNumber(6);
    EXPECT_EQ(spanish.code(), "es");
    EXPECT_EQ(spanish.translated("Launcher", "Save"), "Guardar");
    EXPECT_EQ(spanish.translated("Launcher", "Name"), "Name");
    EXPECT_NE(spanish.name(), "English");
    EXPECT_EQ(languages.all().size(), 6u);
}
