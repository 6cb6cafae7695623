#include "Browser.h"
#include "Frame.h"
#include "GuiTestSupport.h"
#include "RegisteredTrack.h"
#include "SlotDict.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Makes an object of a registered class through the constructor of the given signature.
void* constructByName(const QMetaObject* mo, const char* signature, void** args) {
    const int index = mo->indexOfConstructor(QMetaObject::normalizedSignature(signature));
    EXPECT_GE(index, 0) << mo->className() << " " << signature;
    if (index < 0)
        return nullptr;
    void* made = nullptr;
    args[0] = &made;
    mo->static_metacall(QMetaObject::CreateInstance, index, args);
    return made;
}

QMetaMethod publicMethod(const QMetaObject* mo, const char* signature) {
    const QMetaMethod m =
        mo->method(mo->indexOfMethod(QMetaObject::normalizedSignature(signature)));
    EXPECT_TRUE(m.isValid()) << mo->className() << " " << signature;
    EXPECT_EQ(m.access(), QMetaMethod::Public) << signature;
    return m;
}

} // namespace

TEST(Registry, NamesTheFourClassesInOrderWithEverySlotTheConnectionsName) {
    EXPECT_EQ(SlotDict::classNames(),
              QByteArrayList({"launcher", "TVSDReader", "VxLumoTrack", "Frame"}));
    EXPECT_EQ(SlotDict::findClass("TObject"), nullptr);
    EXPECT_EQ(SlotDict::findClass(nullptr), nullptr);

    const std::map<std::string, std::vector<const char*>> table{
        {"launcher",
         {"EN()", "FR()", "DE()", "IT()", "RO()", "save()", "start1()", "setOutputDir()", "about()",
          "Exit()", "start2()", "ChangeFocus()"}},
        {"Frame",
         {"Back()", "Zoom()", "DefaultCam()", "Hint()", "GeometrySwitch()", "TransparencySwitch()",
          "Help()", "SaveParticle()", "Calculate()", "Draw()", "SaveHist()", "Exit()", "Next()",
          "YZ()", "YX()", "ZX()", "DeleteParticle()", "Continue()",
          "OnClicked(const vexel::TrackLine*)"}},
        {"TVSDReader",
         {"PlotD0Mass()", "FitInvariantMass()", "PlotVarDists()", "FitDecayTime()",
          "SaveFitResult()", "PlotFitResultsVsVar()", "ClearTrend()", "VexelInfo()", "SaveCanvas()",
          "Instructions()", "ResetExercise()", "CloseWin()", "SetFileName()"}},
        {"VxLumoTrack", {"printTrack()", "compare(VxLumoTrack,VxLumoTrack)"}},
    };
    for (const auto& [name, signatures] : table) {
        const QMetaObject* mo = SlotDict::findClass(name.c_str());
        ASSERT_NE(mo, nullptr) << name;
        for (const char* s : signatures)
            publicMethod(mo, s);
    }
}

TEST(Registry, MakesTheTrackRecordAndCallsItsMethodsByName) {
    const QMetaObject* mo = SlotDict::findClass("VxLumoTrack");
    ASSERT_NE(mo, nullptr);
    void* args[1] = {};
    std::unique_ptr<RegisteredTrack> made(
        static_cast<RegisteredTrack*>(constructByName(mo, "RegisteredTrack()", args)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->record.pvx, -9999.0);
    EXPECT_EQ(made->record.particleId, nullptr);

    made->record.particleId = std::make_shared<const std::string>("K-");
    made->record.px = 123.5;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(publicMethod(mo, "printTrack()").invokeOnGadget(made.get()));
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Particle: K-"), std::string::npos) << printed;
    EXPECT_NE(printed.find(" px     : 123.5"), std::string::npos) << printed;

    // compare orders by the identity of the name objects: exactly one order holds.
    VxLumoTrack a, b;
    a.particleId = std::make_shared<const std::string>("pi+");
    b.particleId = std::make_shared<const std::string>("pi+");
    const QMetaMethod compare = publicMethod(mo, "compare(VxLumoTrack,VxLumoTrack)");
    bool ab = false, ba = true, aa = true;
    ASSERT_TRUE(compare.invokeOnGadget(made.get(), Q_RETURN_ARG(bool, ab), Q_ARG(VxLumoTrack, a),
                                       Q_ARG(VxLumoTrack, b)));
    ASSERT_TRUE(compare.invokeOnGadget(made.get(), Q_RETURN_ARG(bool, ba), Q_ARG(VxLumoTrack, b),
                                       Q_ARG(VxLumoTrack, a)));
    ASSERT_TRUE(compare.invokeOnGadget(made.get(), Q_RETURN_ARG(bool, aa), Q_ARG(VxLumoTrack, a),
                                       Q_ARG(VxLumoTrack, a)));
    EXPECT_NE(ab, ba);
    EXPECT_EQ(ab, std::less<const std::string*>()(a.particleId.get(), b.particleId.get()));
    EXPECT_FALSE(aa);
}

TEST(Registry, MakesTheWindowsThroughTheirConstructorsAndCallsTheirSlotsByName) {
    vexel::test::clearMessages();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());

    std::unique_ptr<QObject> start(SlotDict::findClass("launcher")->newInstance());
    auto* l = qobject_cast<launcher*>(start.get());
    ASSERT_NE(l, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(l, "FR"));
    EXPECT_EQ(l->lang, 2);

    const QString dir = out.path() + "/";
    std::unique_ptr<QObject> frame(SlotDict::findClass("Frame")->newInstance(
        Q_ARG(int, 2), Q_ARG(const char*, "Ana_Pop_10"), Q_ARG(QString, dir), Q_ARG(int, 1),
        Q_ARG(launcher*, l)));
    auto* f = qobject_cast<Frame*>(frame.get());
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->browser()->isVisible());
    EXPECT_TRUE(QMetaObject::invokeMethod(f, "Next"));
    EXPECT_TRUE(QMetaObject::invokeMethod(f, "Back"));
    frame.reset();

    const std::string path = candidateFilePath();
    std::unique_ptr<QObject> reader(
        SlotDict::findClass("TVSDReader")->newInstance(Q_ARG(const char*, path.c_str())));
    auto* r = qobject_cast<TVSDReader*>(reader.get());
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(r->fittedMass());
    for (const char* slot : {"EN", "ToStudent", "PlotD0Mass", "FitInvariantMass"})
        EXPECT_TRUE(QMetaObject::invokeMethod(r, slot)) << slot;
    EXPECT_TRUE(r->fittedMass());
    EXPECT_THROW(SlotDict::findClass("TVSDReader")
                     ->newInstance(Q_ARG(const char*, "share/VexelLumora/none.root")),
                 MissingDataFile);
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();
}
