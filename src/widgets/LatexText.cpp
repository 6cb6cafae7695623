#include "LatexText.h"

#include <QHash>

namespace vexel {
namespace LatexText {

namespace {

// "#name" symbols of the LaTeX-style text.
const QHash<QString, QString>& symbols() {
    static const QHash<QString, QString> table = {
        {"alpha", QString(QChar(0x03B1))},   {"beta", QString(QChar(0x03B2))},
        {"gamma", QString(QChar(0x03B3))},   {"delta", QString(QChar(0x03B4))},
        {"epsilon", QString(QChar(0x03B5))}, {"eta", QString(QChar(0x03B7))},
        {"theta", QString(QChar(0x03B8))},   {"lambda", QString(QChar(0x03BB))},
        {"mu", QString(QChar(0x03BC))},      {"nu", QString(QChar(0x03BD))},
        {"pi", QString(QChar(0x03C0))},      {"rho", QString(QChar(0x03C1))},
        {"sigma", QString(QChar(0x03C3))},   {"tau", QString(QChar(0x03C4))},
        {"phi", QString(QChar(0x03C6))},     {"chi", QString(QChar(0x03C7))},
        {"psi", QString(QChar(0x03C8))},     {"omega", QString(QChar(0x03C9))},
        {"Delta", QString(QChar(0x0394))},   {"Sigma", QString(QChar(0x03A3))},
        {"Omega", QString(QChar(0x03A9))},   {"pm", QString(QChar(0x00B1))},
        {"times", QString(QChar(0x00D7))},   {"rightarrow", QString(QChar(0x2192))},
        {"leq", QString(QChar(0x2264))},     {"geq", QString(QChar(0x2265))},
        {"infty", QString(QChar(0x221E))},   {"sqrt", QString(QChar(0x221A))},
    };
    return table;
}

QChar superscriptOf(QChar c) {
    static const QString digits = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    if (c.isDigit())
        return digits.at(c.digitValue());
    switch (c.unicode()) {
    case '+':
        return QChar(0x207A);
    case '-':
        return QChar(0x207B);
    case '*':
        return QChar(0x2217);
    default:
        return QChar();
    }
}

QChar subscriptOf(QChar c) {
    static const QString digits = QString::fromUtf8("₀₁₂₃₄₅₆₇₈₉");
    if (c.isDigit())
        return digits.at(c.digitValue());
    switch (c.unicode()) {
    case '+':
        return QChar(0x208A);
    case '-':
        return QChar(0x208B);
    default:
        return QChar();
    }
}

enum class Script { Normal, Super, Sub };

// Walks the text, calling emit(piece, script) for runs of literal text.
template <typename Emit> void walk(const QString& latex, Emit emit) {
    Script script = Script::Normal;
    int depth = 0; // braces opened by ^{ or _{
    for (int i = 0; i < latex.size(); ++i) {
        const QChar c = latex.at(i);
        if (c == '#') {
            int j = i + 1;
            while (j < latex.size() && latex.at(j).isLetter())
                ++j;
            const QString name = latex.mid(i + 1, j - i - 1);
            const auto it = symbols().find(name);
            if (it != symbols().end()) {
                emit(it.value(), script);
                i = j - 1;
                continue;
            }
            emit(QString(c), script);
        } else if ((c == '^' || c == '_') && i + 1 < latex.size() && latex.at(i + 1) == '{' &&
                   depth == 0) {
            script = c == '^' ? Script::Super : Script::Sub;
            depth = 1;
            ++i;
        } else if (c == '}' && depth > 0) {
            depth = 0;
            script = Script::Normal;
        } else {
            emit(QString(c), script);
        }
    }
}

} // namespace

QString toRichText(const QString& latex) {
    QString out;
    Script open = Script::Normal;
    auto close = [&] {
        if (open == Script::Super)
            out += "</sup>";
        else if (open == Script::Sub)
            out += "</sub>";
        open = Script::Normal;
    };
    walk(latex, [&](const QString& piece, Script script) {
        if (script != open) {
            close();
            if (script == Script::Super)
                out += "<sup>";
            else if (script == Script::Sub)
                out += "<sub>";
            open = script;
        }
        out += piece.toHtmlEscaped();
    });
    close();
    return out;
}

QString toPlainText(const QString& latex) {
    QString out;
    walk(latex, [&](const QString& piece, Script script) {
        for (const QChar c : piece) {
            QChar mapped;
            if (script == Script::Super)
                mapped = superscriptOf(c);
            else if (script == Script::Sub)
                mapped = subscriptOf(c);
            out += mapped.isNull() ? c : mapped;
        }
    });
    return out;
}

} // namespace LatexText
} // namespace vexel
