#pragma once

#include "CodeLayout_p.h"
#include "CodeStore_p.h"
#include "Zel_CodeBox.h"

#include <QHash>
#include <QImage>
#include <QWidget>
#include <zonecraft/graphics/cTile.h>

class QScrollBar;

/// The drawing surface: shows the frame the control renders from its state
/// and turns mouse, key and focus input into the control's behaviour.
class CodeSurface : public QWidget
{
public:
    CodeSurface(Zel_CodeBoxPrivate* d, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Zel_CodeBoxPrivate* const d;
};

class Zel_CodeBoxPrivate
{
public:
    explicit Zel_CodeBoxPrivate(Zel_CodeBox* q);

    Zel_CodeBox* const q;
    CodeStore store;
    CodeFonts fonts;
    CodeSurface* surface = nullptr;
    QScrollBar* scrollBar = nullptr;

    // Persisted properties.
    bool keepFocus = true;
    TokenStyler::Colors colors;
    StdPicture lockPicture;
    OLE_COLOR gutterColor = 0;
    bool visualStyle = false;
    OLE_COLOR gutterFontColor = 0;
    bool normalizeEntities = true;
    // Run-time properties and public variables.
    OLE_COLOR selectBGColor = 0;
    Zel_CodeBox::SelectMode codeStyle = Zel_CodeBox::QuorvelStyle;
    bool autoRender = false;
    Zel_CodeBox::EnumBorderStyle borderStyle = Zel_CodeBox::Border;
    bool showNumber = true;
    qint32 lineY = 0;
    qint32 listAreaHeight = 0;
    qint32 countTotalLines = 0;

    // Selection and input.
    qint32 listIndex = -1;
    bool selectionHidden = false; // focus left with KeepFocus off
    bool mouseButtonDown = false;
    qint32 lastClickY = -1;
    qint32 lastReportedRow = -1;

    // Layout, recomputed by relayout() whenever rows, size or fonts change.
    qint32 textWidth = 0;
    qint32 span = 40;
    bool scrollVisible = false; // rows from the first visible one on overflow
    quint32 layoutStamp = 1; // row heights measured under another stamp are stale
    bool inRelayout = false;
    bool layoutPending = false; // rows changed since the last layout
    bool scrollBarShown = false;

    struct LaidOutRow
    {
        quint32 stamp = 0;
        int height = 0;
        QList<CodeToken> tokens;
        QList<QString> drawn;
    };
    mutable QHash<qint32, LaidOutRow> layoutCache; // by row position

    // The gutter pattern and the rendered frame.
    QImage gutterStrip;
    cTile gutterTile;
    struct HostLine
    {
        QLine line;
        QColor color;
    };
    QList<HostLine> hostLines; // from DrawLine

    qint32 areaHeight() const;
    qint32 areaWidth() const;
    qint32 firstVisible() const;
    qint32 rowHeight(qint32 row) const;
    /// Tokens of a code row, laid out at the current text width.
    QList<CodeToken> layoutRow(qint32 row, QList<QString>* drawn = nullptr) const;
    /// The height of rows [from, to).
    qint64 heightOf(qint32 from, qint32 to) const;
    /// True when the rows from \a from on fit in the surface's height.
    bool fitsFrom(qint32 from) const;
    /// The number of rows from \a from on that fit completely.
    qint32 fittingRows(qint32 from) const;
    /// The first visible row that shows the last row at the bottom.
    qint32 lastPageTop() const;
    /// The row whose span holds \a y (surface pixels), -1 below the last row.
    qint32 rowAtY(qint32 y) const;

    void setTextWidth(qint32 width);
    /// Lays out again when the box's size changed while it was hidden.
    void syncGeometry() const;
    void relayout();
    void setTop(qint32 row);
    /// Scrolls so \a row is fully visible.
    void ensureVisible(qint32 row);
    void invalidate();
    void rebuildGutter();
    void rowsChanged();

    // Painting: reads state only.
    void renderFrame(QPainter& p) const;
    void paintRow(QPainter& p, CodeFonts::Batch& batch, qint32 row, qint32 top) const;
    void paintBar(QPainter& p, const QString& text, int left, int top, int right, int bottom) const;
    void paintBarText(
        QPainter& p, const QString& text, int left, int top, int right, int bottom) const;
    void paintTokens(QPainter& p, CodeFonts::Batch& batch, qint32 row, int top) const;
    void paintSelection(QPainter& p, CodeFonts::Batch& batch) const;
    void paintPlaceholder(QPainter& p) const;

    // Input.
    void chooseRowAt(qint32 y);
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void mouseDoubleClick(QMouseEvent* event);
    void keyPress(QKeyEvent* event);
    void keyRelease(QKeyEvent* event);
    void focusChanged(bool in);
    void emitReturnKey(qint32 row);
};

/// The RGB colour \a c with \a amount added to red and green, and to blue
/// either added or scaled (blue += blue * amount / 192), each clamped.
OLE_COLOR adjustColor(OLE_COLOR c, int amount, bool blueScaling);
