// A seventh language is one translated .ts file: a made-up language (the pseudo-locale code
// "qps", reserved for local use), written and compiled by the test and dropped into the data
// folder beside the program, appears in the launcher and shows its texts in the launcher and
// the event display.
#include "DataFiles.h"
#include "Frame.h"
#include "GuiTestSupport.h"
#include "Languages.h"
#include "LauncherStudent.h"
#include "launcher.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The made-up language's text: letters accented, placeholders, breaks and markup kept.
QString pseudo(const QString& source) {
    static const QString plain = "aeiouAEIOUcnsy", marked = QString::fromUtf8("áéíöüÅÉÎÖÜçñšý");
    QString text = source;
    for (int i = 0; i < text.size(); ++i)
        if ((i == 0 || text[i - 1] != '%') && plain.contains(text[i]))
            text[i] = marked[plain.indexOf(text[i])];
    return "[" + text + "]";
}

// vexel_qps.ts from the sources of a shipped catalogue, every text made up.
void writeMadeUpCatalogue(const QString& shipped, const QString& path) {
    QFile in(shipped), out(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
    QXmlStreamReader xml(&in);
    QXmlStreamWriter ts(&out);
    ts.writeStartDocument();
    ts.writeStartElement("TS");
    ts.writeAttribute("version", "2.1");
    ts.writeAttribute("language", "qps");
    QString source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            if (!source.isNull())
                ts.writeEndElement();
            ts.writeStartElement("context");
            source = "";
        } else if (name == QLatin1String("name")) {
            ts.writeTextElement("name", xml.readElementText());
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
            comment.clear();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            ts.writeStartElement("message");
            ts.writeTextElement("source", source);
            if (!comment.isEmpty())
                ts.writeTextElement("comment", comment);
            const QString text = comment == "number of the help picture" ? "7"
                                 : comment == "decimal sign"             ? ","
                                 : comment == "name of this language"    ? "Pseudo"
                                                                         : pseudo(source);
            ts.writeTextElement("translation", text);
            ts.writeEndElement();
        }
    }
    ts.writeEndDocument();
}

} // namespace

TEST(NewLanguageTest, OneTranslatedFileAddsALanguage) {
    // The data folder of the program's prefix, as a teacher would drop a catalogue into an
    // installed program.
    const QString folder = QString::fromStdString(
        DataFiles::placesFor(DataFiles::translationsFolder(), DataFiles::programFile()).at(1));
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Cleanup {
        QString folder;
        ~Cleanup() { QDir(folder).removeRecursively(); }
    } cleanup{folder};
    const QString ts = folder + "/vexel_qps.ts";
    writeMadeUpCatalogue(QString(VEXEL_SOURCE_DIR) + "/translations/vexel_es.ts", ts);
    const std::string lrelease =
        std::string("\"") + VEXEL_LRELEASE + "\" \"" + ts.toStdString() + "\" >/dev/null 2>&1";
    ASSERT_EQ(std::system(lrelease.c_str()), 0);
    QFile::remove(ts);

    const vexel::Language* made = vexel::Languages::installed().byCode("qps");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->number(), 7);
    EXPECT_EQ(made->decimalSign(), QChar(','));

    // In the launcher: a further button below the five, its tooltip the language's name.
    launcher l;
    auto* button = l.fGroupFrame745->findChild<QPushButton*>("QPS");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), "Pseudo");
    EXPECT_GT(button->y(), l.fGroupFrame745->findChild<QPushButton*>("EN")->y());
    EXPECT_TRUE(l.fGroupFrame745->rect().contains(button->geometry()));
    vexel::test::enterStudent(l, "QPS", 0);
    EXPECT_EQ(l.lang, 7);
    EXPECT_EQ(l.fLabel755->text(), pseudo("Name"));
    EXPECT_EQ(l.fGroupFrame751->title(), pseudo("Enter your details"));
    EXPECT_TRUE(vexel::test::messages().empty());
    vexel::test::saveScreenshot(l.fMainFrame990, "new-language-launcher");

    // The event display in the same language.
    QTest::mouseClick(l.fPictureButton779, Qt::LeftButton);
    auto* frame = l.findChild<Frame*>();
    ASSERT_NE(frame, nullptr);
    QWidget* window = vexel::test::topLevelWindow("EventDisplayBrowser");
    ASSERT_NE(window, nullptr);
    EXPECT_NE(vexel::test::buttonWithText(pseudo("Save Particle"), window), nullptr);
    EXPECT_NE(vexel::test::buttonWithText(pseudo("Move on to D0 Exercise"), window), nullptr);
    EXPECT_EQ(window->windowTitle(), pseudo("Vexel Lumora : event display"));
    // Without a help picture of its own the English page is shown.
    QTest::mouseClick(vexel::test::buttonWithText(pseudo("Help"), window), Qt::LeftButton);
    EXPECT_NE(window->findChild<QLabel*>("HelpPicture"), nullptr);
    vexel::test::saveScreenshot(window, "new-language-event-display");
}
