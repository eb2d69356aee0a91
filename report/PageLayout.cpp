#include "report/PageLayout.h"

#include <algorithm>
#include <stdexcept>

PageLayout::PageLayout(int pageHeight) : m_pageHeight(pageHeight) {
    if (pageHeight <= 0)
        throw std::invalid_argument("page height must be positive");
}

void PageLayout::AddLine(int top, int bottom) { m_items.push_back({top, bottom, false}); }

void PageLayout::AddFrame(int top, int bottom) {
    m_items.push_back({std::min(top, bottom), std::max(top, bottom), true});
}

bool PageLayout::Inside(const Item& line, const Item& frame) const {
    return frame.frame && !line.frame && frame.bottom - frame.top <= m_pageHeight &&
           line.top < frame.bottom && line.bottom > frame.top;
}

// Every frame that fits on a page becomes one block with the lines it overlaps; every other
// item is a block of its own. Blocks come back ordered by their top.
std::vector<PageLayout::Block> PageLayout::Blocks() const {
    std::vector<int> owner(m_items.size(), -1);
    for (std::size_t f = 0; f < m_items.size(); ++f)
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (owner[i] < 0 && Inside(m_items[i], m_items[f]))
                owner[i] = static_cast<int>(f);
    std::vector<Block> blocks;
    std::vector<int> blockOf(m_items.size(), -1);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (owner[i] >= 0)
            continue;
        blockOf[i] = static_cast<int>(blocks.size());
        blocks.push_back({m_items[i].top, m_items[i].bottom, {static_cast<int>(i)}});
    }
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (owner[i] < 0)
            continue;
        Block& block = blocks[blockOf[owner[i]]];
        block.top = std::min(block.top, m_items[i].top);
        block.bottom = std::max(block.bottom, m_items[i].bottom);
        block.items.push_back(static_cast<int>(i));
    }
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const Block& a, const Block& b) { return a.top < b.top; });
    return blocks;
}

std::vector<PageLayout::Place> PageLayout::Paginate() const {
    std::vector<Place> places(m_items.size());
    int shift = 0;
    for (const Block& block : Blocks()) {
        const int top = block.top + shift;
        const int pageEnd = (std::max(top, 0) / m_pageHeight + 1) * m_pageHeight;
        if (block.bottom + shift > pageEnd && block.bottom - block.top <= m_pageHeight)
            shift += pageEnd - top;
        for (int i : block.items) {
            const int y = m_items[i].top + shift;
            const int page = std::max(y, 0) / m_pageHeight;
            places[i] = {page, y - page * m_pageHeight};
        }
    }
    return places;
}
