#include "GuideNumbers.h"
#include "GuideMarkers.h"
#include "GuideRenderer.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string sampleGuide() {
    return readFile(VEXEL_SOURCE_DIR "/tests/guide/sample/en.md");
}

std::vector<std::string> problemsOf(const std::string& text,
                                    const std::vector<GuideNumber>& numbers) {
    std::vector<std::string> problems;
    GuideMarkers::check("guide", text, numbers, problems);
    return problems;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

} // namespace

// Every guide's marked numbers equal the ones the shipped data give.
TEST(GuideNumbers, GuidesQuoteTheNumbersOfTheData) {
    const std::vector<GuideNumber> numbers = GuideNumbers::compute();
    ASSERT_EQ(numbers.size(), 7u);
    std::vector<std::string> problems;
    EXPECT_EQ(GuideMarkers::checkFolder(VEXEL_SOURCE_DIR "/tests/guide/sample", numbers, problems),
              1);
    if (std::filesystem::is_directory(VEXEL_SOURCE_DIR "/docs/guide"))
        GuideMarkers::checkFolder(VEXEL_SOURCE_DIR "/docs/guide", numbers, problems);
    for (const std::string& p : problems)
        ADD_FAILURE() << p;
    // Every event of a data set holds one D0 whose kaon and pion give an accepted mass.
    EXPECT_EQ(GuideNumbers::candidatesInDataSet(7), 30);
}

TEST(GuideNumbers, ChangedUnknownOrMissingNumbersAreFound) {
    const std::vector<GuideNumber> numbers = {{"mass-peak", 1864.86, 1, ""},
                                              {"lifetime-open", 0.4364, 3, ""},
                                              {"d0-candidates", 30, 0, ""}};
    const std::string good = "<!--vx:mass-peak-->1864.9 <!--vx:lifetime-open-->0,436 and "
                             "<!--vx:d0-candidates-->30 <!--vx:mass-peak-->1865";
    EXPECT_TRUE(problemsOf(good, numbers).empty());

    const auto changed = problemsOf(replaced(good, "0,436", "0,437"), numbers);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_NE(changed[0].find("lifetime-open is 0,437, the data give 0.436"), std::string::npos);
    EXPECT_EQ(problemsOf(replaced(good, "1865", "1864"), numbers).size(), 1u);
    EXPECT_EQ(problemsOf(replaced(good, "-->30", "-->"), numbers).size(), 1u);
    EXPECT_EQ(problemsOf(replaced(good, "vx:d0-candidates", "vx:d0-candidate"), numbers).size(),
              2u);                                            // unknown, and d0-candidates missing
    EXPECT_EQ(problemsOf(sampleGuide(), numbers).size(), 4u); // four keys unknown here
}

TEST(GuideRendering, HtmlAndPdfWithoutMarkersWithPicturesAndCaptions) {
    vexel::test::TemporaryFolder out;
    const QString html = QString::fromStdString((out.path() / "guide-en.html").string());
    const QString pdf = QString::fromStdString((out.path() / "guide-en.pdf").string());
    GuideRenderer renderer;
    ASSERT_TRUE(renderer.load(VEXEL_SOURCE_DIR "/tests/guide/sample/en.md"))
        << qPrintable(renderer.error());
    ASSERT_TRUE(renderer.writeHtml(html));
    ASSERT_TRUE(renderer.writePdf(pdf));

    const std::string page = readFile(html.toStdString());
    EXPECT_EQ(page.find("vx:"), std::string::npos);
    EXPECT_NE(page.find("1864.9 MeV/c"), std::string::npos);
    EXPECT_NE(page.find("src=\"data:image/png;base64,iVBOR"), std::string::npos);
    EXPECT_NE(page.find("The launcher</span>"), std::string::npos); // the caption
    const std::string document = readFile(pdf.toStdString());
    EXPECT_EQ(document.rfind("%PDF", 0), 0u);
    EXPECT_NE(document.find("/Type /Page"), std::string::npos);

    // A picture that is not there stops the rendering.
    const auto broken = out.path() / "broken.md";
    std::ofstream(broken) << "# Guide\n\n![Gone](no-such-picture.png)\n";
    EXPECT_FALSE(renderer.load(QString::fromStdString(broken.string())));
    EXPECT_TRUE(renderer.error().contains("no-such-picture.png"));
}
