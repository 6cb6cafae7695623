// vexel-generate-data: makes every data file and picture of the run directory.
//   vexel-generate-data [--output DIR] [--candidates N] [--seed S] [--event-files N]
//                       [--events-per-file N] [--no-pictures]

#include "AppIcon.h"
#include "DataSetWriter.h"
#include "HelpPage.h"
#include "IconPainter.h"
#include "Languages.h"

#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

void usage() {
    std::cerr << "usage: vexel-generate-data [--output DIR] [--candidates N] [--seed S]\n"
                 "                           [--event-files N] [--events-per-file N] "
                 "[--no-pictures]\n";
}

long long number(const std::string& option, const char* text, long long min, long long max) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < min || value > max)
        throw std::invalid_argument(option + ": expected a number from " + std::to_string(min) +
                                    " to " + std::to_string(max));
    return value;
}

void writePictures(const std::string& runDirectory) {
    namespace fs = std::filesystem;
    // The catalogues compiled into the run directory before the pictures are drawn.
    const vexel::Languages languages = vexel::Languages::load({QString::fromStdString(
        (fs::path(runDirectory) / "share/VexelLumora/translations").string())});
    for (const QString& problem : languages.problems())
        std::cerr << "vexel-generate-data: " << problem.toStdString() << "\n";
    auto save = [&](const QString& relative, const QImage& image) {
        const fs::path path = fs::path(runDirectory) / relative.toStdString();
        fs::create_directories(path.parent_path());
        const std::string temporary = path.string() + ".tmp";
        if (!image.save(QString::fromStdString(temporary), "PNG"))
            throw std::runtime_error(path.string() + ": cannot be written");
        fs::rename(temporary, path);
    };
    // Each picture twice: as sized for its widget, and with twice the pixels for
    // high-density displays under the "@2x" name that Qt looks for.
    for (const qreal scale : {1.0, 2.0}) {
        auto named = [scale](const QString& relative) {
            if (scale == 1.0)
                return relative;
            const int dot = relative.lastIndexOf('.');
            return relative.left(dot) + "@2x" + relative.mid(dot);
        };
        for (const auto& picture : vexelgen::IconPainter::allPictures(scale))
            save(named(picture.relativePath), picture.image);
        // One help page for each language, numbered as the language.
        for (const vexel::Language& language : languages.all())
            save(named(QString("Icons/help%1.png").arg(language.number())),
                 vexelgen::HelpPage::render(language, scale));
    }
    for (int size : vexelgen::AppIcon::sizes()) {
        save(vexelgen::AppIcon::themePath(size, "vexel-lumora"), vexelgen::AppIcon::program(size));
        save(vexelgen::AppIcon::themePath(size, "vexel-class-results"),
             vexelgen::AppIcon::classResults(size));
    }
}

} // namespace

int main(int argc, char** argv) {
    vexelgen::GenerationOptions options;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            auto value = [&]() -> const char* {
                if (i + 1 >= argc)
                    throw std::invalid_argument(arg + ": missing value");
                return argv[++i];
            };
            if (arg == "--output")
                options.runDirectory = value();
            else if (arg == "--candidates")
                options.candidates = static_cast<int>(number(arg, value(), 1, 100000000));
            else if (arg == "--seed")
                options.seed = static_cast<std::uint64_t>(number(arg, value(), 0, 1LL << 62));
            else if (arg == "--event-files")
                options.eventFiles = static_cast<int>(number(arg, value(), 1, kCombinations));
            else if (arg == "--events-per-file")
                options.eventsPerFile = static_cast<int>(number(arg, value(), 1, 50));
            else if (arg == "--no-pictures")
                options.pictures = false;
            else if (arg == "--help" || arg == "-h") {
                usage();
                return 0;
            } else
                throw std::invalid_argument("unknown option " + arg);
        }
    } catch (const std::exception& e) {
        std::cerr << "vexel-generate-data: " << e.what() << "\n";
        usage();
        return 2;
    }

    try {
        vexelgen::DataSetWriter(options).writeAll();
        if (options.pictures) {
            // Pictures are drawn off screen: no display is needed.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            int qtArgc = 1;
            char* qtArgv[] = {argv[0], nullptr};
            QGuiApplication app(qtArgc, qtArgv);
            writePictures(options.runDirectory);
        }
    } catch (const std::exception& e) {
        std::cerr << "vexel-generate-data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
