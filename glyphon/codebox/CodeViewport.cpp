#include "CodeTokenizer_p.h"
#include "CodeViewport_p.h"

#include <algorithm>

namespace {

// Rows laid out and kept with their tokens: a few pages' worth.
constexpr qsizetype KeptRows = 512;

} // namespace

CodeViewport::CodeViewport(const CodeStore& store, const CodeFonts& fonts)
    : m_store(store)
    , m_fonts(fonts)
{ }

void CodeViewport::setArea(QSize size)
{
    if (size == m_area)
        return;
    m_area = size;
    m_derived = false;
}

void CodeViewport::setRendering(bool rendering)
{
    if (rendering == m_rendering)
        return;
    m_rendering = rendering;
    rowsChanged();
}

void CodeViewport::rowsChanged()
{
    ++m_stamp;
    m_derived = false;
    if (!m_rows.isEmpty())
        m_rows.clear();
}

void CodeViewport::measureAt(int width) const
{
    if (width == m_textWidth)
        return;
    m_textWidth = width;
    ++m_stamp; // wrapped heights follow the text width
}

void CodeViewport::derive() const
{
    if (m_derived)
        return;
    m_derived = true;
    m_spanTop = -1;
    const int full = m_area.width();
    const int narrow = full - CodeLayout::ScrollBarWidth;
    // Rows that still overflow beside the scroll bar keep it, and keep their
    // measured heights (trying the full width first would measure twice).
    if (!(m_overflow && m_textWidth == narrow && !fitsFrom(0))) {
        measureAt(full);
        m_overflow = !fitsFrom(0);
        if (m_overflow)
            measureAt(narrow);
    }
    m_lastPageTop = 0;
    if (m_overflow) {
        const qint64 height = m_area.height();
        qint64 sum = 0;
        qint32 i = m_store.size() - 1;
        for (; i >= 0; --i) {
            sum += rowHeight(i);
            if (sum > height)
                break;
        }
        m_lastPageTop = std::clamp(i + 1, 0, std::max(m_store.size() - 1, 0));
    }
}

bool CodeViewport::fitsFrom(qint32 from) const
{
    const qint64 height = m_area.height();
    qint64 sum = 0;
    for (qint32 i = std::max(from, 0); i < m_store.size(); ++i) {
        sum += rowHeight(i);
        if (sum > height)
            return false;
    }
    return true;
}

bool CodeViewport::overflows() const
{
    derive();
    return m_overflow;
}

int CodeViewport::textWidth() const
{
    derive();
    return m_textWidth;
}

qint32 CodeViewport::top() const
{
    derive();
    return m_overflow ? std::clamp(m_requestedTop, 0, m_lastPageTop) : 0;
}

qint32 CodeViewport::lastPageTop() const
{
    derive();
    return m_lastPageTop;
}

qint32 CodeViewport::span() const
{
    const qint32 first = top();
    if (m_spanTop != first) {
        m_spanTop = first;
        m_span = rowsAbove(first, m_area.height());
    }
    return m_span;
}

qint32 CodeViewport::rowsAbove(qint32 from, qint64 height) const
{
    qint64 sum = 0;
    qint32 count = 0;
    for (qint32 i = from; i < m_store.size(); ++i) {
        sum += rowHeight(i);
        if (sum >= height)
            break;
        ++count;
    }
    return count;
}

bool CodeViewport::scrollVisible() const
{
    return top() + span() < m_store.size();
}

qint32 CodeViewport::rowHeight(qint32 row) const
{
    derive(); // (returns at once while deriving: heights are then taken at the width being tried)
    const StoredRow& r = m_store.at(row);
    if (r.isBar())
        return r.height;
    if (!m_rendering)
        return CodeLayout::singleLineHeight(m_fonts);
    if (size_t(row) < m_heights.size() && m_heights[size_t(row)].stamp == m_stamp)
        return m_heights[size_t(row)].height;
    return laidOut(row).height;
}

LaidOutRow CodeViewport::laidOut(qint32 row) const
{
    derive();
    const auto cached = m_rows.constFind(row);
    if (cached != m_rows.cend() && cached->stamp == m_stamp)
        return cached->laid;
    if (m_rows.size() >= KeptRows)
        m_rows.clear();
    const StoredRow& r = m_store.at(row);
    CachedRow entry;
    entry.stamp = m_stamp;
    entry.laid.tokens = CodeTokenizer::tokenizeRow(r.value, r.addType == Zel_CodeBox::Shadowed);
    entry.laid.height = CodeLayout::layoutTokens(
        entry.laid.tokens, m_fonts, CodeLayout::TextLeft, m_textWidth, &entry.laid.drawn);
    if (m_heights.size() < size_t(m_store.size()))
        m_heights.resize(size_t(m_store.size()));
    m_heights[size_t(row)] = { entry.laid.height, m_stamp };
    m_rows.insert(row, entry);
    return entry.laid;
}

qint64 CodeViewport::heightOf(qint32 from, qint32 to) const
{
    derive();
    qint64 sum = 0;
    for (qint32 i = std::max(from, 0); i < std::min(to, m_store.size()); ++i)
        sum += rowHeight(i);
    return sum;
}

int CodeViewport::rowTop(qint32 row) const
{
    const qint32 first = top();
    if (row < first || row >= m_store.size())
        return -1;
    const qint64 height = m_area.height();
    qint64 sum = 0;
    for (qint32 i = first; i < row && sum < height; ++i)
        sum += rowHeight(i);
    return sum < height ? int(sum) : -1;
}

qint32 CodeViewport::rowAtY(int y) const
{
    if (y < 0)
        return -1;
    qint64 bottom = 0;
    for (qint32 i = top(); i < m_store.size(); ++i) {
        bottom += rowHeight(i);
        if (y < bottom)
            return i;
        if (bottom > m_area.height())
            break;
    }
    return -1;
}

qint32 CodeViewport::topShowing(qint32 row) const
{
    const qint32 first = top();
    if (row < 0 || row >= m_store.size() || !m_overflow)
        return first;
    if (row < first)
        return row;
    // Measure only as far as the surface reaches: a row far below would
    // otherwise have every row in between laid out.
    const qint64 height = m_area.height();
    qint64 below = 0;
    for (qint32 i = first; i <= row && below <= height; ++i)
        below += rowHeight(i);
    if (below <= height)
        return first;
    // Show the row at the bottom: the first top from which it fits.
    qint32 newTop = row;
    qint64 sum = rowHeight(row);
    while (newTop > 0 && sum + rowHeight(newTop - 1) <= height)
        sum += rowHeight(--newTop);
    return newTop;
}
