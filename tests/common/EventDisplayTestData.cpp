#include "EventDisplayTestData.h"
#include "DataFiles.h"
#include "Languages.h"

#include "rootio/FileWriter.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <sstream>

namespace vexel::test {

namespace {

void box(std::ostringstream& out, const char* name, double x, double y, double z) {
    out << "<box name=\"" << name << "\" x=\"" << x << "\" y=\"" << y << "\" z=\"" << z
        << "\" lunit=\"mm\"/>\n";
}

void volume(std::ostringstream& out, const char* name, const char* material, const char* solid,
            const std::string& daughters = "") {
    out << "<volume name=\"" << name << "\"><materialref ref=\"" << material
        << "\"/><solidref ref=\"" << solid << "\"/>" << daughters << "</volume>\n";
}

std::string physvol(const char* volume, double x, double y, double z, double rotY = 0) {
    static int counter = 0;
    std::ostringstream out;
    out << "<physvol><volumeref ref=\"" << volume << "\"/><position name=\"p" << counter
        << "\" x=\"" << x << "\" y=\"" << y << "\" z=\"" << z << "\" unit=\"mm\"/>";
    if (rotY != 0)
        out << "<rotation name=\"r" << counter << "\" x=\"0\" y=\"" << rotY
            << "\" z=\"0\" unit=\"deg\"/>";
    out << "</physvol>";
    ++counter;
    return out.str();
}

} // namespace

std::string testDetectorGdml(bool withEcalModules) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gdml>\n<define/>\n<materials>\n"
           "<element name=\"N\" formula=\"N\" Z=\"7\"><atom value=\"14.01\"/></element>\n"
           "<element name=\"O\" formula=\"O\" Z=\"8\"><atom value=\"16.0\"/></element>\n"
           "<element name=\"Pb\" formula=\"Pb\" Z=\"82\"><atom value=\"207.2\"/></element>\n"
           "<element name=\"C\" formula=\"C\" Z=\"6\"><atom value=\"12.01\"/></element>\n"
           "<material name=\"Air\" state=\"gas\"><D value=\"0.0012\" unit=\"g/cm3\"/>"
           "<fraction n=\"0.7\" ref=\"N\"/><fraction n=\"0.3\" ref=\"O\"/></material>\n"
           "<material name=\"Vacuum\" state=\"gas\"><D value=\"1e-25\" unit=\"g/cm3\"/>"
           "<fraction n=\"1\" ref=\"N\"/></material>\n"
           "<material name=\"Silicon\" Z=\"14\"><D value=\"2.33\" unit=\"g/cm3\"/>"
           "<atom value=\"28.09\"/></material>\n"
           "<material name=\"Iron\" Z=\"26\"><D value=\"7.87\" unit=\"g/cm3\"/>"
           "<atom value=\"55.85\"/></material>\n"
           "<material name=\"LeadFibre\"><D value=\"6.19\" unit=\"g/cm3\"/>"
           "<fraction n=\"0.92\" ref=\"Pb\"/><fraction n=\"0.08\" ref=\"C\"/></material>\n"
           "</materials>\n<solids>\n";
    box(out, "WorldBox", 12000, 12000, 40000);
    box(out, "TankBox", 240, 240, 1000);
    box(out, "SensorBox", 40, 80, 0.3);
    box(out, "YokeBox", 7000, 800, 4000);
    box(out, "WallBox", 7600, 6200, 700);
    box(out, "ModuleBox", 1800, 1500, 600);
    box(out, "ChainBox", 200, 200, 200);
    out << "</solids>\n<structure>\n";
    volume(out, "Sensor", "Silicon", "SensorBox");
    std::string sensors;
    for (int i = 0; i < 5; ++i)
        sensors += physvol("Sensor", 30, 0, -400 + 200 * i);
    volume(out, "VertexTank", "Vacuum", "TankBox", sensors);
    volume(out, "Yoke", "Iron", "YokeBox");
    std::string modules;
    if (withEcalModules)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                modules += physvol("EcalModulesFiberPb", -2850 + 1900 * i, -2325 + 1550 * j, 0);
    if (withEcalModules)
        volume(out, "EcalModulesFiberPb", "LeadFibre", "ModuleBox");
    volume(out, "EcalWall", "Air", "WallBox", modules);
    // Five levels: the fifth is below the visible depth.
    volume(out, "Chain5", "Iron", "ChainBox");
    volume(out, "Chain4", "Air", "ChainBox", physvol("Chain5", 0, 0, 0));
    volume(out, "Chain3", "Air", "ChainBox", physvol("Chain4", 0, 0, 0));
    volume(out, "Chain2", "Air", "ChainBox", physvol("Chain3", 0, 0, 0));
    volume(out, "Chain1", "Air", "ChainBox", physvol("Chain2", 0, 0, 0));
    const std::string world = physvol("VertexTank", 0, 0, 100, 90) +
                              physvol("Yoke", 0, 3000, 5500) + physvol("Yoke", 0, -3000, 5500) +
                              physvol("EcalWall", 0, 0, 12650) + physvol("Chain1", 5000, 5000, 0);
    volume(out, "World", "Air", "WorldBox", world);
    out << "</structure>\n<setup name=\"Default\" version=\"1.0\"><world ref=\"World\"/></setup>\n"
           "</gdml>\n";
    return out.str();
}

rootio::TrackRecord track(const std::string& name, std::array<float, 3> start,
                          std::array<float, 3> dir, int n, double px, double py, double pz) {
    rootio::TrackRecord r;
    r.particleId = name;
    r.px = px;
    r.py = py;
    r.pz = pz;
    r.mass = name[0] == 'K' ? 493.677 : (name == "D0" ? 1864.84 : 139.57);
    r.E = std::sqrt(r.mass * r.mass + px * px + py * py + pz * pz);
    r.q = name.back() == '+' ? 1 : (name.back() == '-' ? -1 : 0);
    r.chi2 = 1.5;
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(n - 1);
        r.points.push_back({start[0] + t * dir[0], start[1] + t * dir[1], start[2] + t * dir[2]});
    }
    return r;
}

std::vector<rootio::TrackRecord> testEvent(int index, int tracks) {
    const float shift = static_cast<float>(index);
    const std::array<float, 3> vertex{1.5f + 0.1f * shift, -0.8f, 12.0f + shift};
    std::vector<rootio::TrackRecord> event;
    event.push_back(track("D0", {0.1f, 0.05f, 0.2f},
                          {vertex[0] - 0.1f, vertex[1] - 0.05f, vertex[2] - 0.2f}, 2, 300, 200,
                          20000));
    event.push_back(track("K-", vertex, {900 + 30 * shift, 400, 12000}, 30, 200, 100, 12000));
    event.push_back(track("pi+", vertex, {-700, -300 + 20 * shift, 12000}, 30, 100, 100, 8000));
    const char* names[] = {"pi+", "pi-", "K+", "K-", "p+", "mu-"};
    for (int k = 3; k < tracks; ++k) {
        const float angle = 0.7f * static_cast<float>(k) + 0.3f * shift;
        event.push_back(track(names[k % 6], {0, 0, 0},
                              {2500 * std::cos(angle), 2000 * std::sin(angle), 12000}, 25));
    }
    return event;
}

void writeEventFile(const std::string& path,
                    const std::vector<std::vector<rootio::TrackRecord>>& events) {
    rootio::FileWriter writer(path);
    writer.addEventTree("MCEvent", events);
    writer.save();
}

RunDirectory::RunDirectory() : previous_(QDir::currentPath()) {
    QDir(dir_.path()).mkpath("share/VexelLumora");
    QDir(dir_.path()).mkpath("Icons");
    // The languages are the build's: read before the working directory changes.
    vexel::Languages::installed();
    QDir::setCurrent(dir_.path());
}

RunDirectory::~RunDirectory() {
    QDir::setCurrent(previous_);
}

QString RunDirectory::path(const QString& relative) const {
    return dir_.filePath(relative);
}

void RunDirectory::writeGeometry(const std::string& gdml) {
    QFile file(path(QString::fromStdString(DataFiles::detector())));
    file.open(QIODevice::WriteOnly);
    file.write(gdml.data(), static_cast<qint64>(gdml.size()));
}

void RunDirectory::writeEvents(int combination,
                               const std::vector<std::vector<rootio::TrackRecord>>& events) {
    writeEventFile(path(QString::fromStdString(DataFiles::eventFile(combination))).toStdString(),
                   events);
}

void RunDirectory::writePictures() {
    const auto picture = [this](const QString& name, int w, int h, const QColor& colour,
                                const QString& text) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(std::max(10, h / 6));
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        painter.end();
        image.save(path(QString::fromStdString(DataFiles::picture(name.toStdString()))));
    };
    picture("GoBack.png", 96, 40, QColor(200, 220, 255), "<");
    picture("GoForward.png", 96, 40, QColor(200, 220, 255), ">");
    picture("Zoom.png", 96, 40, QColor(220, 255, 220), "zoom");
    picture("fullscreen.png", 96, 40, QColor(220, 255, 220), "full");
    picture("hint.png", 48, 40, QColor(255, 240, 200), "?");
    picture("a.png", 64, 40, QColor(240, 240, 240), "YZ");
    picture("b.png", 64, 40, QColor(240, 240, 240), "YX");
    picture("c.png", 64, 40, QColor(240, 240, 240), "ZX");
    picture("leg1.png", 141, 100, QColor(255, 255, 255), "legend");
    picture("leg2.png", 141, 100, QColor(255, 255, 220), "hint legend");
    const char* languages[] = {"English", "Francais", "Deutsch", "Italiano", "Romana"};
    for (int lang = 1; lang <= 5; ++lang)
        picture(QString("help%1.png").arg(lang), 1812, 1000, QColor(235, 245, 255),
                QString("Help (%1)").arg(languages[lang - 1]));
}

std::unique_ptr<RunDirectory> RunDirectory::withTestDetector() {
    auto run = std::make_unique<RunDirectory>();
    run->writeGeometry(testDetectorGdml());
    run->writePictures();
    return run;
}

std::unique_ptr<RunDirectory> syntheticDataUnlessGenerated(int events, int tracks) {
    if (QFile::exists(QString::fromStdString(DataFiles::detector())) &&
        QFile::exists(QString::fromStdString(DataFiles::eventFile(1))))
        return nullptr;
    auto run = std::make_unique<RunDirectory>();
    run->writeGeometry(testDetectorGdml());
    run->writePictures();
    std::vector<std::vector<rootio::TrackRecord>> list;
    for (int i = 0; i < events; ++i)
        list.push_back(testEvent(i, tracks));
    run->writeEvents(1, list);
    return run;
}

} // namespace vexel::test
