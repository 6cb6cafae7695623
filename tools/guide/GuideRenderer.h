#pragma once

#include <QString>

class QTextDocument;

// A guide in Markdown turned into one self-contained HTML file (pictures embedded) and an A4
// PDF (pictures at most as wide as the text, page numbers). Number markers do not show; a
// picture alone in its paragraph gets its alt text as a caption below it.
class GuideRenderer {
public:
    // Reads the Markdown file; false with the reason in error() when it or a picture it
    // names cannot be read.
    bool load(const QString& markdownFile);
    bool writeHtml(const QString& file);
    bool writePdf(const QString& file);
    const QString& error() const { return error_; }

    // The Markdown as it is laid out: markers removed, captions added.
    static QString prepared(const QString& markdown);

private:
    QString title_;
    QString markdown_;
    QString folder_;
    QString error_;
};
