#include "report/PageLayout.h"

#include <gtest/gtest.h>

#include <array>

using Places = std::vector<std::pair<int, int>>; // page, top

TEST(PageLayoutTest, LinesAndFramesCrossingThePageBottomMoveDownWithEverythingAfterThem) {
    constexpr int F = 1; // marks a frame, given by two corners in any order; 0 marks a line
    const std::vector<std::pair<std::vector<std::array<int, 3>>, Places>> cases{
        // A crossing line moves down with everything after it.
        {{{850, 950, 0}, {950, 1050, 0}, {1050, 1150, 0}, {2000, 2100, 0}},
         {{0, 850}, {1, 0}, {1, 100}, {2, 50}}},
        {{{900, 1000, 0}, {1000, 1100, 0}}, {{0, 900}, {1, 0}}}, // ending at the bottom stays
        // A frame moves whole with its lines, which come before it; the first line reaches into
        // its top edge but begins above it.
        {{{550, 660, 0},
          {700, 800, 0},
          {800, 900, 0},
          {900, 1000, 0},
          {1000, 1100, 0},
          {1150, 650, F},
          {1200, 1300, 0}},
         {{0, 550}, {1, 50}, {1, 150}, {1, 250}, {1, 350}, {1, 0}, {1, 550}}},
        {{{950, 1050, 0}, {100, 1200, F}}, {{1, 0}, {0, 100}}}, // higher than a page: stays
        // One page high: the first frame moves 500 down to page 1; the second, now 3000 to
        // 4000, fills page 3 exactly and stays.
        {{{600, 700, 0}, {500, 1500, F}, {1600, 1700, 0}, {2500, 3500, F}},
         {{1, 100}, {1, 0}, {2, 100}, {3, 0}}},
    };
    for (const auto& [items, expected] : cases) {
        PageLayout layout(1000);
        for (const auto& [top, bottom, frame] : items)
            frame ? layout.AddFrame(top, bottom) : layout.AddLine(top, bottom);
        Places places;
        for (const auto& place : layout.Paginate())
            places.emplace_back(place.page, place.top);
        EXPECT_EQ(expected, places) << "case starting at " << items[0][0];
    }
}
