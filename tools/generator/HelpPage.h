#pragma once

#include "Language.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace vexelgen {

// The help page of the event display, one picture per language, drawn from the language's
// catalogue: what each control does and the steps of the exercise.
class HelpPage {
public:
    // Width / height = 1.8118812, the ratio the event display shows the picture with.
    static constexpr QSize kSize{1464, 808};

    struct Control {
        QString icons; // names of button pictures drawn beside the entry, comma separated
        QString name;
        QString text;
    };
    struct Texts {
        QString title, controlsHeading, stepsHeading, formulaCaption;
        std::vector<Control> controls;
        QString mouseHeading, mouseText;
        std::vector<QString> steps;
    };

    static Texts texts(const vexel::Language& language);
    // At scale 2 the same page with twice as many pixels (the "help<n>@2x.png" twin).
    static QImage render(const vexel::Language& language, qreal scale = 1);
};

} // namespace vexelgen
