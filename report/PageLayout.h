#pragma once

#include <vector>

/// Cuts a report laid out as one long column into pages. Items are printed lines and frames,
/// each with its vertical extent in the column (twips from the top of the first page). Going
/// down the column, an item that would cross the bottom of a page moves to the top of the next
/// one, and everything below its top moves with it: so a frame moves whole, together with the
/// lines inside it. A frame higher than a page stays where it falls.
class PageLayout {
public:
    /// pageHeight: the printable height of a page in twips (> 0).
    explicit PageLayout(int pageHeight);

    /// Adds a line covering [top, bottom) of the column; items are numbered from 0 in the order
    /// they were added, lines and frames together.
    void AddLine(int top, int bottom);
    /// Adds a frame; its corners may come in either order.
    void AddFrame(int top, int bottom);

    struct Place {
        int page; ///< from 0
        int top;  ///< twips from the top of that page's printable area
    };
    /// The place of every item, in the order the items were added.
    std::vector<Place> Paginate() const;

private:
    struct Item {
        int top, bottom;
    };

    int m_pageHeight;
    std::vector<Item> m_items;
};
