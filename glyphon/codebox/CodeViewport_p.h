#pragma once

#include "CodeLayout_p.h"
#include "CodeStore_p.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <vector>

/// A code row cut into tokens and laid out at the viewport's text width.
struct LaidOutRow
{
    QList<CodeToken> tokens;
    /// The text each token shows (a wrapped token without its leading space).
    QList<QString> drawn;
    int height = 0;
};

/// Which rows of the code box are on its surface, how tall each is and where.
///
/// The box sets the inputs (the surface's size, the first row asked for,
/// whether code rows are rendered) and says when rows changed; everything
/// else is derived on demand from the rows. Queries are const: what they
/// measure goes into a cache that is mutable for exactly that reason, and
/// that any change of rows, width or rendering makes stale at once (O(1)),
/// so loading many rows costs nothing here until something is shown.
///
/// Row heights follow the text width, which is the surface's width less the
/// scroll bar's when the rows from row 0 on overflow the surface.
class CodeViewport
{
public:
    CodeViewport(const CodeStore& store, const CodeFonts& fonts);

    // --- inputs -------------------------------------------------------------

    void setArea(QSize size);
    QSize area() const { return m_area; }
    /// AutoRender: off, code rows are one line high and not cut into tokens.
    void setRendering(bool rendering);
    bool rendering() const { return m_rendering; }
    /// The first row the host or the user scrolled to; top() clamps it.
    void setRequestedTop(qint32 row) { m_requestedTop = row; }
    /// Rows were added, removed or changed: every measurement is stale.
    void rowsChanged();

    // --- derived ------------------------------------------------------------

    /// True when the rows from row 0 on do not fit the surface: the scroll bar shows.
    bool overflows() const;
    /// Where the rows' background and tokens end.
    int textWidth() const;
    /// The first visible row: row 0 unless the rows overflow.
    qint32 top() const;
    /// The top from which the last row ends at the bottom (0 when all fit).
    qint32 lastPageTop() const;
    /// How many rows from top() lie above the bottom edge: the count ends at
    /// the first row whose running height reaches the surface's height.
    qint32 span() const;
    /// True when some row from top() on reaches the bottom edge.
    bool scrollVisible() const;

    qint32 rowHeight(qint32 row) const;
    /// The tokens of code row \a row at the text width (cached for the rows last asked for).
    LaidOutRow laidOut(qint32 row) const;
    /// The height of the rows [from, to).
    qint64 heightOf(qint32 from, qint32 to) const;
    /// The top of \a row on the surface, -1 when it lies above top() or starts
    /// at or below the bottom edge.
    int rowTop(qint32 row) const;
    /// The row whose span holds \a y (surface pixels), -1 above or below the rows.
    qint32 rowAtY(int y) const;
    /// The top that shows \a row whole: the current one when it already
    /// does, \a row itself when it lies above, else the top that puts it at the
    /// bottom. Measures only what fits on the surface.
    qint32 topShowing(qint32 row) const;

private:
    void derive() const;
    void measureAt(int width) const;
    /// True when the rows from \a from on end at or above the bottom edge.
    bool fitsFrom(qint32 from) const;
    /// How many rows from \a from on end before the running height reaches \a height.
    qint32 rowsAbove(qint32 from, qint64 height) const;

    const CodeStore& m_store;
    const CodeFonts& m_fonts;
    QSize m_area;
    bool m_rendering = false;
    qint32 m_requestedTop = 0;

    // The cache. A measurement is current while its stamp is m_stamp.
    struct Measured
    {
        qint32 height = 0;
        quint32 stamp = 0;
    };
    struct CachedRow
    {
        quint32 stamp = 0;
        LaidOutRow laid;
    };
    mutable quint32 m_stamp = 1;
    mutable std::vector<Measured> m_heights; // by row position
    mutable QHash<qint32, CachedRow> m_rows; // the last rows laid out, by position
    mutable bool m_derived = false;
    mutable bool m_overflow = false;
    mutable int m_textWidth = 0;
    mutable qint32 m_lastPageTop = 0;
    mutable qint32 m_spanTop = -1; // the top m_span was counted from
    mutable qint32 m_span = 0;
};
