#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace vexelgen {

// The icons the desktop's menus show for the program and for the teacher's class results,
// drawn at each size of the hicolor theme.
class AppIcon {
public:
    static const std::vector<int>& sizes(); // 16 … 256 pixels

    static QImage program(int size);      // vexel-lumora: a detector ring with tracks
    static QImage classResults(int size); // vexel-class-results: the ring with a histogram

    // Below the run directory: share/icons/hicolor/<n>x<n>/apps/<name>.png
    static QString themePath(int size, const QString& name);
};

} // namespace vexelgen
