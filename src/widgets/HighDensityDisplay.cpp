#include "HighDensityDisplay.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>

namespace vexel {

namespace {

// True when the X server holds a desktop scale ("Xft.dpi" among its resources), as the
// desktops set it when their scale is changed. False when there is none or no X server.
bool xServerHasDesktopScale() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strcmp(platform, "xcb") != 0)
        return true; // not X: its platform reports the scale itself
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return true;
    const char* resources = XResourceManagerString(display);
    const bool found = resources && std::strstr(resources, "Xft.dpi:") != nullptr;
    XCloseDisplay(display);
    return found;
}

} // namespace

void enableHighDensityScaling() {
    // Without a desktop scale Qt 5 derives one from the monitor's size in millimetres
    // (1.04 on a typical 1920 x 1080 monitor, 0.96 on another): unscaled desktops stay at 1.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI") && !xServerHasDesktopScale())
        qputenv("QT_FONT_DPI", "96");
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

QPixmap loadSharpPicture(const QString& path) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QFileInfo file(path);
        const QString twin = file.path() + "/" + file.completeBaseName() + "@2x." + file.suffix();
        // The reader gives an "@2x" file the device pixel ratio 2.
        QPixmap sharp(twin);
        if (!sharp.isNull())
            return sharp;
    }
    return QPixmap(path);
}

QPixmap fitPicture(const QPixmap& picture, QSize logicalSize, Qt::AspectRatioMode mode) {
    if (picture.isNull())
        return picture;
    // As many device pixels as the display has there, whatever the picture was made for.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap scaled = picture.scaled(logicalSize * ratio, mode, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

} // namespace vexel
