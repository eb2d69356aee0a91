#include "report/PageLayout.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

PageLayout::PageLayout(int pageHeight) : m_pageHeight(pageHeight) {
    if (pageHeight <= 0)
        throw std::invalid_argument("page height must be positive");
}

void PageLayout::AddLine(int top, int bottom) {
    m_items.push_back({top, bottom});
}

void PageLayout::AddFrame(int top, int bottom) {
    m_items.push_back({std::min(top, bottom), std::max(top, bottom)});
}

std::vector<PageLayout::Place> PageLayout::Paginate() const {
    // A frame is added after the lines it holds, but it must be placed before them.
    std::vector<std::size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_items[a].top < m_items[b].top;
    });
    std::vector<Place> places(m_items.size());
    int shift = 0;
    for (std::size_t i : order) {
        const Item& item = m_items[i];
        int top = item.top + shift;
        const int pageEnd = (std::max(top, 0) / m_pageHeight + 1) * m_pageHeight;
        if (item.bottom + shift > pageEnd && item.bottom - item.top <= m_pageHeight) {
            shift += pageEnd - top;
            top = pageEnd;
        }
        const int page = std::max(top, 0) / m_pageHeight;
        places[i] = {page, top - page * m_pageHeight};
    }
    return places;
}
