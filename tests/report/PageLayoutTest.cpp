#include "report/PageLayout.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<int, int>> Places(const PageLayout& layout) {
    std::vector<std::pair<int, int>> places;
    for (const auto& place : layout.Paginate())
        places.emplace_back(place.page, place.top);
    return places;
}

} // namespace

TEST(PageLayoutTest, LineCrossingThePageBottomMovesDownWithEverythingAfterIt) {
    PageLayout layout(1000);
    layout.AddLine(0, 100);
    layout.AddLine(850, 950);
    layout.AddLine(950, 1050);
    layout.AddLine(1050, 1150);
    layout.AddLine(2000, 2100);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 0}, {0, 850}, {1, 0}, {1, 100}, {2, 50}}), Places(layout));
}

TEST(PageLayoutTest, FrameMovesWholeWithTheLinesInside) {
    PageLayout layout(1000);
    layout.AddLine(500, 600);
    for (int top = 700; top < 1100; top += 100) // the framed lines come before their frame
        layout.AddLine(top, top + 100);
    layout.AddFrame(1150, 650); // corners in any order
    layout.AddLine(1200, 1300);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 500}, {1, 50}, {1, 150}, {1, 250}, {1, 350}, {1, 0}, {1, 550}}),
              Places(layout));

    PageLayout straddling(1000); // a line reaching into the frame's top stays above the break
    straddling.AddLine(850, 950);
    straddling.AddFrame(900, 1100);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 850}, {1, 0}}), Places(straddling));

    PageLayout fitting(1000); // a frame within its page stays
    fitting.AddLine(300, 400);
    fitting.AddFrame(250, 900);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 300}, {0, 250}}), Places(fitting));
}

TEST(PageLayoutTest, FrameHigherThanAPageStaysAndItsLinesBreakAlone) {
    PageLayout layout(1000);
    layout.AddLine(950, 1050);
    layout.AddFrame(100, 1200);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 0}, {0, 100}}), Places(layout));
}
