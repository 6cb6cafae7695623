#include "BasicRandom.h"
#include "FrameTexts.h"
#include "FrameTrackColours.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

TEST(TrackColours, TableRandomAndHint) {
    vexel::BasicRandom r(65539);
    EXPECT_EQ(trackColour("pi+", r), QColor(255, 0, 255));
    EXPECT_EQ(trackColour("pi-", r), QColor(255, 0, 0));
    EXPECT_EQ(trackColour("K-", r), QColor(0, 153, 0));
    EXPECT_EQ(trackColour("K+", r), QColor(0, 0, 255));
    EXPECT_EQ(trackColour("D0", r), QColor(0, 0, 0));
    // Listed names draw nothing from the generator.
    EXPECT_EQ(r.state(), 65539u);
    // Any other name, case included, takes int(u * 50) of the next value.
    EXPECT_EQ(trackColour("Pi+", r), trackPaletteColour(7));  // 0.1543 * 50
    EXPECT_EQ(trackColour("mu-", r), trackPaletteColour(21)); // 0.4232 * 50
    EXPECT_EQ(trackColour("", r), trackPaletteColour(39));    // 0.7906 * 50
    // The hint never draws: unlisted names take the palette's first entry.
    EXPECT_EQ(hintColour("p+"), trackPaletteColour(0));
    EXPECT_EQ(hintColour("K+"), QColor(0, 0, 255));

    std::set<QRgb> distinct;
    for (int i = 0; i < trackPaletteSize; ++i) {
        const QColor c = trackPaletteColour(i);
        distinct.insert(c.rgb());
        // Visible on the white background.
        EXPECT_LT(c.lightness(), 200) << i;
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(trackPaletteSize));
}

TEST(FrameTexts, LanguagesAndFallback) {
    EXPECT_EQ(frameWidgetTexts(3).exit, "Schliessen");
    EXPECT_EQ(frameWidgetTexts(1).exit, "Move on to D0 Exercise");
    EXPECT_EQ(frameWidgetTexts(5).zoom, "Mareste");
    for (int lang : {1, 2, 3, 4})
        EXPECT_EQ(frameWidgetTexts(lang).zoom, "Zoom");
    EXPECT_EQ(frameWidgetTexts(2).eventNumber, "Num. d'evenement:");
    EXPECT_EQ(frameWidgetTexts(4).particleInfo, "Informazioni sulla particella");
    EXPECT_EQ(frameWidgetTexts(0).help, "Help");
    EXPECT_EQ(frameWidgetTexts(9).hideGeometry, "Hide Geometry");

    EXPECT_EQ(frameMessageTexts(1).h2, "When you want to rotate the view, press CTRL or CTRL + "
                                       "SHIFT to be more precise.");
    EXPECT_EQ(frameMessageTexts(4).h1, "Istogramma salvato con successo");
    EXPECT_EQ(frameMessageTexts(4).e4, "Hai gia' aggiunto questo valore di massa nell'istogramma");
    EXPECT_EQ(frameMessageTexts(4).h3_a, "Congratulazioni");
    EXPECT_EQ(frameMessageTexts(3).h3_a, "Herzlichen Glueckwunsch!");
    EXPECT_EQ(frameMessageTexts(2).h3_b, "Vous avez realise votre exercice avec succes.");
    EXPECT_EQ(frameMessageTexts(5).e2, "Ati adaugat deja aceasta particula la lista.");
    // Every language has all eight messages.
    for (int lang = 1; lang <= 5; ++lang) {
        const auto t = frameMessageTexts(lang);
        for (const QString* s : {&t.e1, &t.e2, &t.h1, &t.e3, &t.e4, &t.h2, &t.h3_a, &t.h3_b})
            EXPECT_FALSE(s->isEmpty()) << lang;
    }
    // The window's own notices: translated, with their placeholders.
    const auto english = frameNoticeTexts(1);
    for (int lang = 2; lang <= 5; ++lang) {
        const auto n = frameNoticeTexts(lang);
        for (const QString* s : {&n.dataSetUnreadable, &n.eventUnreadable})
            EXPECT_TRUE(s->contains("%1") && s->contains("%2")) << lang;
        for (const QString* s :
             {&n.noEvents, &n.geometryUnreadable, &n.helpPictureMissing, &n.nameTooLong})
            EXPECT_TRUE(s->contains("%1") && !s->contains("%2")) << lang;
        EXPECT_NE(n.unsavedHistogram, english.unsavedHistogram) << lang;
        EXPECT_NE(n.windowTitle, english.windowTitle) << lang;
    }
}

TEST(HelpPicture, SizeFromWindowHeight) {
    EXPECT_EQ(helpPictureSize(900).height, 720);
    EXPECT_EQ(helpPictureSize(900).width, 1304);
    // 1080 * 0.9 = 972: 777.6 -> 777 high, 1408.9 -> 1408 wide.
    EXPECT_EQ(helpPictureSize(972).height, 777);
    EXPECT_EQ(helpPictureSize(972).width, 1408);
    EXPECT_EQ(helpPictureSize(0).width, 0);
    EXPECT_EQ(helpPicturePath(3), "Icons/help3.png");
}
