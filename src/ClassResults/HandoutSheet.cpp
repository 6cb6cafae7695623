#include "HandoutSheet.h"

#include "rootio/AtomicFile.h"
#include "rootio/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTextDocument>

bool writeHandoutSheet(const QString& path, const classroom::Handout& handout,
                       const QString& forWhom, const LessonDayTexts& texts, QString* error) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable()) {
        if (error)
            *error = QStringLiteral("%1: the folder cannot be written").arg(path);
        return false;
    }
    QString html = "<h2>" + texts.sheetTitle.arg(forWhom).toHtmlEscaped() + "</h2><p>" +
                   texts.sheetNote.toHtmlEscaped() +
                   "</p><table border='1' cellspacing='0' cellpadding='6' width='100%'><tr><th "
                   "align='left'>" +
                   texts.nameColumn.toHtmlEscaped() + "</th><th align='right'>" +
                   texts.combinationColumn.toHtmlEscaped() + "</th></tr>";
    for (const auto& l : handout.lines)
        html += "<tr><td>" + QString::fromStdString(l.name).toHtmlEscaped() +
                "</td><td align='right'>" + QString::number(l.combination) + "</td></tr>";
    html += "</table>";
    // Written beside the sheet and renamed over it: an earlier sheet stays whole if this fails.
    try {
        rootio::AtomicFile file(QFile::encodeName(path).toStdString());
        {
            QPdfWriter pdf(QFile::decodeName(file.temporaryPath().c_str()));
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
            pdf.setTitle(texts.sheetTitle.arg(forWhom));
            pdf.setCreator("Vexel Lumora");
            QTextDocument doc;
            QFont f = doc.defaultFont();
            f.setPointSize(12);
            doc.setDefaultFont(f);
            doc.setHtml(html);
            doc.print(&pdf);
        }
        file.commit();
    } catch (const rootio::Error&) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}
