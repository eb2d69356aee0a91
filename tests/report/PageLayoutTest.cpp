#include "report/PageLayout.h"

#include <gtest/gtest.h>

namespace {

using Places = std::vector<std::pair<int, int>>; // page, top

Places Paginate(const PageLayout& layout) {
    Places places;
    for (const auto& place : layout.Paginate())
        places.emplace_back(place.page, place.top);
    return places;
}

} // namespace

TEST(PageLayoutTest, LineCrossingThePageBottomMovesDownWithEverythingAfterIt) {
    PageLayout layout(1000);
    for (int top : {850, 950, 1050, 2000})
        layout.AddLine(top, top + 100);
    EXPECT_EQ((Places{{0, 850}, {1, 0}, {1, 100}, {2, 50}}), Paginate(layout));
}

TEST(PageLayoutTest, LineEndingExactlyAtThePageBottomStays) {
    PageLayout layout(1000);
    layout.AddLine(900, 1000);
    layout.AddLine(1000, 1100);
    EXPECT_EQ((Places{{0, 900}, {1, 0}}), Paginate(layout));
}

TEST(PageLayoutTest, FrameMovesWholeWithItsLinesUnlessHigherThanAPage) {
    PageLayout layout(1000);
    layout.AddLine(550, 660); // reaches into the frame's top edge, but begins above it
    for (int top = 700; top < 1100; top += 100) // the framed lines come before their frame
        layout.AddLine(top, top + 100);
    layout.AddFrame(1150, 650); // corners in any order
    layout.AddLine(1200, 1300);
    EXPECT_EQ((Places{{0, 550}, {1, 50}, {1, 150}, {1, 250}, {1, 350}, {1, 0}, {1, 550}}),
              Paginate(layout));

    PageLayout high(1000);
    high.AddLine(950, 1050);
    high.AddFrame(100, 1200);
    EXPECT_EQ((Places{{1, 0}, {0, 100}}), Paginate(high));
}

TEST(PageLayoutTest, FrameExactlyOnePageHighMovesWholeAndFitsAPage) {
    PageLayout layout(1000);
    layout.AddLine(600, 700);
    layout.AddFrame(500, 1500); // crosses the bottom: moves to the next page, 500 down
    layout.AddLine(1600, 1700);
    layout.AddFrame(2500, 3500); // now 3000 to 4000: fills page 3 exactly, so it stays
    EXPECT_EQ((Places{{1, 100}, {1, 0}, {2, 100}, {3, 0}}), Paginate(layout));
}
