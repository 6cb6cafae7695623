#include "CanvasExport.h"

#include "CanvasPad.h"
#include "rootio/AtomicFile.h"
#include "rootio/Error.h"
#include "rootio/FileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <memory>
#include <qcustomplot.h>
#include <set>

#include <cairo-ps.h>
#include <cairo.h>
// glib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <poppler.h>
#pragma pop_macro("signals")

namespace vexel {
namespace CanvasExport {

namespace {

// Largest EPS picture in points (20 x 26 cm).
constexpr double kEpsMaxWidth = 20.0 / 2.54 * 72.0;
constexpr double kEpsMaxHeight = 26.0 / 2.54 * 72.0;

// Owners of the glib, poppler and cairo objects: freed on every path.
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};
struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
struct CairoSurfaceDestroy {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoDestroy {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using OwnedDocument = std::unique_ptr<PopplerDocument, GObjectUnref>;
using OwnedPage = std::unique_ptr<PopplerPage, GObjectUnref>;
using OwnedString = std::unique_ptr<gchar, GFree>;
using OwnedError = std::unique_ptr<GError, GErrorFree>;
using OwnedSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDestroy>;
using OwnedCairo = std::unique_ptr<cairo_t, CairoDestroy>;

QSize pictureSize(const QCustomPlot& plot) {
    // A canvas never shown has no useful size of its own.
    if (plot.width() < 100 || plot.height() < 100)
        return QSize(700, 500);
    return plot.size();
}

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

bool directoryWritable(const QString& path, QString* error) {
    const QFileInfo dir(QFileInfo(path).absolutePath());
    if (!dir.exists())
        return fail(error, QString("The directory %1 does not exist.").arg(dir.filePath()));
    if (!dir.isWritable())
        return fail(error, QString("The directory %1 is not writable.").arg(dir.filePath()));
    return true;
}

// Whether the file ends with `marker` within its last bytes: a picture cut short by a full
// disk lacks its closing mark even when the library reported no error.
bool endsWith(const QString& path, const QByteArray& marker) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < marker.size())
        return false;
    file.seek(std::max<qint64>(0, file.size() - marker.size() - 16));
    return file.readAll().contains(marker);
}

// Writes `path` through a temporary file: `write` fills the file it is given and returns
// false (with *error set) on failure; the result must end with `marker`.
bool writeReplacing(const QString& path, const QByteArray& marker, QString* error,
                    const std::function<bool(const QString&, QString*)>& write) {
    if (!directoryWritable(path, error))
        return false;
    try {
        rootio::AtomicFile file(QFile::encodeName(path).toStdString());
        const QString temporary = QFile::decodeName(file.temporaryPath().c_str());
        if (!write(temporary, error))
            return false;
        if (!endsWith(temporary, marker))
            return fail(error, QString("Cannot write %1: the picture is incomplete.").arg(path));
        file.commit();
    } catch (const rootio::Error& e) {
        return fail(error,
                    QString("Cannot write %1: %2").arg(path, QString::fromLocal8Bit(e.what())));
    }
    return true;
}

QString glibReason(const OwnedError& error) {
    return error ? QString::fromUtf8(error->message) : QString();
}

// Renders page 1 of the PDF file `pdf` as EPS into `eps`.
bool pdfToEps(const QString& pdf, const QString& eps, const QString& shownPath, QString* error) {
    GError* raw = nullptr;
    const OwnedString uri(g_filename_to_uri(
        QFile::encodeName(QFileInfo(pdf).absoluteFilePath()).constData(), nullptr, &raw));
    OwnedError uriError(raw);
    if (!uri)
        return fail(error,
                    QString("Cannot convert %1 to EPS: %2").arg(shownPath, glibReason(uriError)));
    raw = nullptr;
    const OwnedDocument document(poppler_document_new_from_file(uri.get(), nullptr, &raw));
    OwnedError documentError(raw);
    if (!document)
        return fail(
            error,
            QString("Cannot convert %1 to EPS: %2").arg(shownPath, glibReason(documentError)));
    const OwnedPage page(poppler_document_get_page(document.get(), 0));
    if (!page)
        return fail(error, QString("Cannot convert %1 to EPS: empty picture.").arg(shownPath));
    double width = 0, height = 0;
    poppler_page_get_size(page.get(), &width, &height);
    // Points, not pixels: a large window is scaled down to at most 20 x 26 cm, so the picture
    // also fits on a Letter or A4 page when it is printed or viewed as a page.
    const double scale = std::min({1.0, kEpsMaxWidth / width, kEpsMaxHeight / height});
    const OwnedSurface surface(
        cairo_ps_surface_create(QFile::encodeName(eps).constData(), width * scale, height * scale));
    cairo_ps_surface_set_eps(surface.get(), 1);
    {
        const OwnedCairo cr(cairo_create(surface.get()));
        // White behind the picture, as on screen: the bounding box is then the whole page.
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
        cairo_scale(cr.get(), scale, scale);
        poppler_page_render_for_printing(page.get(), cr.get());
        cairo_show_page(cr.get());
    }
    cairo_surface_finish(surface.get());
    const cairo_status_t status = cairo_surface_status(surface.get());
    if (status != CAIRO_STATUS_SUCCESS)
        return fail(error, QString("Cannot write %1: %2")
                               .arg(shownPath, QString::fromUtf8(cairo_status_to_string(status))));
    return true;
}

} // namespace

bool savePng(QCustomPlot& plot, const QString& path, QString* error) {
    const QSize size = pictureSize(plot);
    return writeReplacing(path, QByteArray("IEND"), error, [&](const QString& file, QString* e) {
        if (!plot.savePng(file, size.width(), size.height()))
            return fail(e, QString("Cannot write %1.").arg(path));
        return true;
    });
}

bool savePdf(QCustomPlot& plot, const QString& path, QString* error) {
    const QSize size = pictureSize(plot);
    return writeReplacing(path, QByteArray("%%EOF"), error, [&](const QString& file, QString* e) {
        if (!plot.savePdf(file, size.width(), size.height()))
            return fail(e, QString("Cannot write %1.").arg(path));
        return true;
    });
}

bool saveEps(QCustomPlot& plot, const QString& path, QString* error) {
    return writeReplacing(path, QByteArray("%%EOF"), error, [&](const QString& file, QString* e) {
        // The vector picture is made as PDF first.
        QTemporaryDir scratch;
        if (!scratch.isValid())
            return fail(e, "Cannot create a temporary directory for the EPS picture.");
        const QString pdf = scratch.filePath("canvas.pdf");
        const QSize size = pictureSize(plot);
        if (!plot.savePdf(pdf, size.width(), size.height()))
            return fail(e, QString("Cannot write %1.").arg(path));
        return pdfToEps(pdf, file, path, e);
    });
}

bool saveRoot(const std::vector<const CanvasPad*>& pads, const QString& path, QString* error) {
    if (!directoryWritable(path, error))
        return false;
    std::set<std::string> names;
    // Names are keys of the file: repeated ones get the pad number and a counter.
    auto unique = [&](std::string name, int padNumber) {
        if (name.empty())
            name = "object";
        if (names.insert(name).second)
            return name;
        for (int k = 1;; ++k) {
            std::string candidate = name + "_pad" + std::to_string(padNumber) +
                                    (k > 1 ? "_" + std::to_string(k) : std::string());
            if (names.insert(candidate).second)
                return candidate;
        }
    };
    try {
        rootio::FileWriter writer(QFile::encodeName(path).toStdString());
        for (std::size_t i = 0; i < pads.size(); ++i) {
            const CanvasPad& pad = *pads[i];
            const int padNumber = static_cast<int>(i) + 1;
            for (const PadItem& item : pad.items()) {
                if (item.kind == PadItem::Kind::Histogram) {
                    rootio::Histogram1D h = item.histogram;
                    h.name = unique(h.name, padNumber);
                    writer.addHistogram(h);
                } else {
                    rootio::Graph g = item.curve;
                    g.name = unique(g.name, padNumber);
                    if (g.xTitle.empty())
                        g.xTitle = pad.xTitle().toStdString();
                    if (g.yTitle.empty())
                        g.yTitle = pad.yTitle().toStdString();
                    writer.addGraph(g);
                }
            }
        }
        writer.save();
    } catch (const rootio::Error& e) {
        return fail(error, QString::fromStdString(e.what()));
    }
    return true;
}

} // namespace CanvasExport
} // namespace vexel
