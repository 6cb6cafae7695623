#include "GuideRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>

#include <memory>

namespace {

// Width of the text on an A4 page with 2 cm margins, in the document's pixels (96 per inch).
constexpr double kTextWidth = (210.0 - 40.0) / 25.4 * 96.0;

QFont bodyFont() {
    QFont font("DejaVu Sans");
    font.setPointSizeF(10.5);
    return font;
}

// Loads the pictures the document names (relative to folder) and narrows the wide ones.
bool addPictures(QTextDocument& doc, const QString& folder, QHash<QString, QString>* files,
                 QString& error) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QString path = QDir(folder).filePath(format.name());
            const QImage image(path);
            if (image.isNull()) {
                error = "cannot read the picture " + path;
                return false;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
            if (files)
                files->insert(format.name(), path);
            const double width = std::min<double>(image.width(), kTextWidth);
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return true;
}

std::unique_ptr<QTextDocument> makeDocument(const QString& markdown) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(bodyFont());
    doc->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    // Room above headings, padding and thin rules in tables.
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(format.headingLevel() == 1 ? 0 : 14);
        format.setBottomMargin(6);
        QTextCursor(block).setBlockFormat(format);
    }
    for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setCellPadding(4);
            format.setCellSpacing(0);
            format.setBorder(0.5);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            table->setFormat(format);
        }
    }
    return doc;
}

QString dataUri(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return file;
    const QString type = file.endsWith(".png", Qt::CaseInsensitive) ? "png" : "jpeg";
    return "data:image/" + type + ";base64," + QString::fromLatin1(in.readAll().toBase64());
}

} // namespace

QString GuideRenderer::prepared(const QString& markdown) {
    QString text = markdown;
    text.remove(QRegularExpression("<!--\\s*vx:[^>]*-->"));
    // A picture alone on its line: its alt text below it, in italics.
    static const QRegularExpression picture("^(\\s*!\\[([^\\]]+)\\]\\([^)]*\\)\\s*)$",
                                            QRegularExpression::MultilineOption);
    text.replace(picture, "\\1\n\n*\\2*");
    return text;
}

bool GuideRenderer::load(const QString& markdownFile) {
    QFile in(markdownFile);
    if (!in.open(QIODevice::ReadOnly)) {
        error_ = "cannot read " + markdownFile + ": " + in.errorString();
        return false;
    }
    markdown_ = prepared(QString::fromUtf8(in.readAll()));
    folder_ = QFileInfo(markdownFile).absolutePath();
    const QRegularExpressionMatch heading =
        QRegularExpression("^#\\s+(.+)$", QRegularExpression::MultilineOption).match(markdown_);
    title_ =
        heading.hasMatch() ? heading.captured(1).trimmed() : QFileInfo(markdownFile).baseName();
    auto doc = makeDocument(markdown_);
    return addPictures(*doc, folder_, nullptr, error_);
}

bool GuideRenderer::writeHtml(const QString& file) {
    auto doc = makeDocument(markdown_);
    doc->setMetaInformation(QTextDocument::DocumentTitle, title_);
    QHash<QString, QString> pictures;
    if (!addPictures(*doc, folder_, &pictures, error_))
        return false;
    QString html = doc->toHtml("utf-8");
    html.replace("</head>", "<style>body{max-width:50em;margin:auto;padding:1em}"
                            "img{max-width:100%;height:auto}</style></head>");
    for (auto it = pictures.begin(); it != pictures.end(); ++it)
        html.replace("src=\"" + it.key().toHtmlEscaped() + "\"",
                     "src=\"" + dataUri(it.value()) + "\"");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(html.toUtf8()) < 0 ||
        !out.flush()) {
        error_ = "cannot write " + file + ": " + out.errorString();
        return false;
    }
    return true;
}

bool GuideRenderer::writePdf(const QString& file) {
    auto doc = makeDocument(markdown_);
    if (!addPictures(*doc, folder_, nullptr, error_))
        return false;
    QPdfWriter pdf(file);
    pdf.setTitle(title_);
    pdf.setCreator("Vexel Lumora");
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(300);
    // print() lays the copy out on the page with 2 cm margins and numbers the pages.
    doc->print(&pdf);
    if (!QFileInfo(file).exists() || QFileInfo(file).size() == 0) {
        error_ = "cannot write " + file;
        return false;
    }
    return true;
}
