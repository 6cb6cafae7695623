// What students type into the fields: long names, path characters, quotes, blanks only and
// letters beyond ASCII. Files land in the output directory under a name that works, or the
// student is told why not; nothing is written elsewhere.
#include "Frame.h"
#include "GuiTestSupport.h"
#include "TabLineEdit.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kInputs{QString(300, QChar('x')),
                          "/",
                          "..",
                          "../..",
                          "\\",
                          "\"quoted\" 'name'",
                          "   ",
                          QString::fromUtf8("Ștefan ăîâ"),
                          QString::fromUtf8("Weiß é ñ"),
                          QString::fromUtf8("中文"),
                          QString(130, QChar(0x0103))}; // 260 bytes in UTF-8

// Every file below dir, relative to it.
QStringList filesBelow(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    return files;
}

// Either something was saved into out (directly) or the student was told, not "Access denied.".
void expectSavedOrExplained(const QString& out, int filesBefore, const QString& typed) {
    const QStringList files = filesBelow(out);
    for (const QString& f : files)
        EXPECT_FALSE(f.contains('/')) << "saved below the output directory: " << f.toStdString();
    if (files.size() > filesBefore)
        return;
    ASSERT_FALSE(vexel::test::messages().empty())
        << "nothing saved, nothing said: " << typed.toStdString();
    for (const auto& m : vexel::test::messages())
        EXPECT_NE(m.text, "Access denied.") << typed.toStdString();
}

} // namespace

TEST(StudentInputFaults, NamesInTheLauncherMakeAHistogramFileInTheOutputDirectoryOrAMessage) {
    for (const QString& typed : kInputs) {
        SCOPED_TRACE(typed.toStdString());
        QTemporaryDir root;
        const QString out = root.path() + "/out/";
        ASSERT_TRUE(QDir().mkpath(out));
        launcher l;
        l.EN();
        l.fTextEntry752->setText(typed);
        l.fTextEntry753->setText(typed);
        l.fTextEntry754->setText("3b");
        l.fComboBox759->setCurrentIndex(0);
        vexel::test::clearMessages();
        l.save();
        if (l.user.empty()) { // refused at Save
            EXPECT_FALSE(vexel::test::messages().empty());
            continue;
        }
        Frame frame(1, l.user.c_str(), out, 1, nullptr);
        vexel::test::clearMessages();
        frame.SaveHist();
        EXPECT_EQ(filesBelow(root.path()).filter(QRegularExpression("^(?!out/)")), QStringList());
        expectSavedOrExplained(out, 0, typed);
    }
}

TEST(StudentInputFaults, CanvasFileNamesMakePicturesInTheOutputDirectoryOrAMessage) {
    QTemporaryDir root;
    const QString out = root.path() + "/out/";
    ASSERT_TRUE(QDir().mkpath(out));
    TVSDReader reader(candidateFilePath().c_str());
    reader.pathSaveD0 = out;
    reader.EN();
    reader.ToStudent();
    reader.PlotD0Mass();
    for (const QString& typed : kInputs) {
        SCOPED_TRACE(typed.toStdString());
        // An empty directory each time: a name mapped to an earlier one would only replace it.
        ASSERT_TRUE(QDir(out).removeRecursively() && QDir().mkpath(out));
        const int before = 0;
        reader.fName1->setText(typed);
        reader.SetFileName();
        vexel::test::clearMessages();
        reader.SaveCanvas();
        EXPECT_EQ(filesBelow(root.path()).filter(QRegularExpression("^(?!out/)")), QStringList());
        expectSavedOrExplained(out, before, typed);
    }
}
