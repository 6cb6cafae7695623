#include "Browser.h"
#include "EventDisplay.h"
#include "EventDisplayTestData.h"
#include "Frame.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using Highlight = vexel::EventDisplay::Highlight;

// The picked track and the two chosen ones are highlighted in the view, the chosen ones in
// the colours of their list entries, until they are deleted or the student moves on.
TEST(FrameHighlight, PickedAndChosenTracksUntilDeletedOrMovedOn) {
    vexel::test::clearMessages();
    vexel::test::RunDirectory run;
    run.writeGeometry(vexel::test::testDetectorGdml());
    run.writePictures();
    QDir().mkpath(run.path("out"));
    run.writeEvents(5, {vexel::test::testEvent(0, 8), vexel::test::testEvent(1, 8)});
    Frame frame(1, "Ann_Lee_3b", run.path("out") + "/", 5, nullptr);
    vexel::EventDisplay* view = frame.display();
    auto* list = frame.browser()->findChild<QListWidget*>("fListBox1321");
    ASSERT_NE(list, nullptr);
    const auto* kaon = view->line(1);
    const auto* pion = view->line(2);
    const QColor kaonColour = kaon->colour();

    frame.OnClicked(kaon);
    EXPECT_EQ(view->highlighted(Highlight::Picked), kaon);
    frame.SaveParticle();
    frame.OnClicked(pion);
    frame.SaveParticle();
    EXPECT_EQ(view->highlighted(Highlight::Picked), pion);
    EXPECT_EQ(view->highlighted(Highlight::FirstChosen), kaon);
    EXPECT_EQ(view->highlighted(Highlight::SecondChosen), pion);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->background().color(),
              vexel::EventDisplay::highlightColour(Highlight::FirstChosen));
    EXPECT_EQ(list->item(1)->background().color(),
              vexel::EventDisplay::highlightColour(Highlight::SecondChosen));
    EXPECT_EQ(kaon->colour(), kaonColour);

    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.browser()));
    frame.Zoom();
    for (const char* look : {"opaque", "transparent"}) {
        QApplication::processEvents();
        view->renderImage();
        vexel::test::saveScreenshot(frame.browser(),
                                    QString("eventdisplay_chosen_closeup_") + look);
        frame.TransparencySwitch();
    }

    // A third particle is refused and leaves the chosen highlights as they were.
    frame.OnClicked(view->line(3));
    frame.SaveParticle();
    EXPECT_EQ(view->highlighted(Highlight::FirstChosen), kaon);
    EXPECT_EQ(view->highlighted(Highlight::SecondChosen), pion);

    // Deleting the first entry removes the kaon's highlight only; choosing the kaon again
    // gives it back.
    list->setCurrentRow(0);
    frame.DeleteParticle();
    EXPECT_EQ(view->highlighted(Highlight::FirstChosen), nullptr);
    EXPECT_EQ(view->highlighted(Highlight::SecondChosen), pion);
    frame.OnClicked(kaon);
    frame.SaveParticle();
    EXPECT_EQ(view->highlighted(Highlight::FirstChosen), kaon);

    // Next, and Back on the first event, clear every highlight.
    frame.Next();
    for (const Highlight h : {Highlight::Picked, Highlight::FirstChosen, Highlight::SecondChosen})
        EXPECT_EQ(view->highlighted(h), nullptr);
    frame.Back();
    frame.OnClicked(view->line(1));
    frame.SaveParticle();
    ASSERT_EQ(view->highlighted(Highlight::FirstChosen), view->line(1));
    frame.Back();
    for (const Highlight h : {Highlight::Picked, Highlight::FirstChosen, Highlight::SecondChosen})
        EXPECT_EQ(view->highlighted(h), nullptr);
}
