#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace vexelgen {

// The program's pictures, drawn with QPainter: button pictures, legends, launcher pictures
// and the experiment logo. Each is sized for the button or icon it fills, in logical pixels;
// at scale 2 the same picture is drawn with twice as many pixels (the "name@2x.png" twin).
class IconPainter {
public:
    struct Picture {
        QString relativePath; // below the run directory
        QImage image;
    };

    static std::vector<Picture> allPictures(qreal scale = 1);

    static QImage launcherEventDisplay(qreal scale = 1); // Icons/l2.png
    static QImage launcherLifetime(qreal scale = 1);     // Icons/l1.png
    static QImage arrow(bool forward, qreal scale = 1);  // Icons/GoBack.png, Icons/GoForward.png
    static QImage zoom(qreal scale = 1);                 // Icons/Zoom.png
    static QImage defaultView(qreal scale = 1);          // Icons/fullscreen.png
    static QImage hint(qreal scale = 1);                 // Icons/hint.png
    static QImage projection(char vertical, char horizontal,
                             qreal scale = 1);   // Icons/a.png, b.png, c.png
    static QImage colourLegend(qreal scale = 1); // Icons/leg1.png
    static QImage hintLegend(qreal scale = 1);   // Icons/leg2.png
    static QImage logo(qreal scale = 1);         // share/VexelLumora/vexel-logo.png

    static constexpr QSize kLauncherSize{114, 82};
    static constexpr QSize kWideButtonSize{90, 34};
    static constexpr QSize kHintSize{42, 34};
    static constexpr QSize kProjectionSize{58, 34};
    static constexpr QSize kLegendSize{141, 100};
    static constexpr QSize kLogoSize{200, 100};
};

} // namespace vexelgen
