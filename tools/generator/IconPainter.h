#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace vexelgen {

// The program's pictures, drawn with QPainter: button pictures, legends, launcher pictures
// and the experiment logo. Each is sized for the button or icon it fills.
class IconPainter {
public:
    struct Picture {
        QString relativePath; // below the run directory
        QImage image;
    };

    static std::vector<Picture> allPictures();

    static QImage launcherEventDisplay(); // Icons/l2.png
    static QImage launcherLifetime();     // Icons/l1.png
    static QImage arrow(bool forward);    // Icons/GoBack.png, Icons/GoForward.png
    static QImage zoom();                 // Icons/Zoom.png
    static QImage defaultView();          // Icons/fullscreen.png
    static QImage hint();                 // Icons/hint.png
    static QImage projection(char vertical, char horizontal); // Icons/a.png, b.png, c.png
    static QImage colourLegend();                             // Icons/leg1.png
    static QImage hintLegend();                               // Icons/leg2.png
    static QImage logo();                                     // share/VexelLumora/vexel-logo.png

    static constexpr QSize kLauncherSize{114, 82};
    static constexpr QSize kWideButtonSize{90, 34};
    static constexpr QSize kHintSize{42, 34};
    static constexpr QSize kProjectionSize{58, 34};
    static constexpr QSize kLegendSize{141, 100};
    static constexpr QSize kLogoSize{200, 100};
};

} // namespace vexelgen
