#pragma once

#include <QString>

namespace vexel {

// The LaTeX-style text of plot labels ("D^{0}", "#sigma", "#pm", "log_{10}", "P_{T}",
// "c^{2}") turned into something Qt can show.
namespace LatexText {

// Qt rich text: <sup>/<sub> for ^{...}/_{...}, Greek letters and symbols as characters,
// everything else escaped.
QString toRichText(const QString& latex);

// Plain text for places without rich text (axis titles): superscripts and subscripts as
// Unicode characters where they exist, otherwise inline.
QString toPlainText(const QString& latex);

} // namespace LatexText
} // namespace vexel
