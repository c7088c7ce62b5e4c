#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <common/StdPicture.h>

class QWidget;

/// One 32-bit surface (an RGB32 QImage stands in for the bitmap and its
/// device context) that a picture is copied into once, and nearest-neighbour
/// zooms of it. Zooms always start from the surface, so repeated zooms do not
/// degrade the picture.
///
/// The "standard size" is the size zoom 100 maps to: the picture's own size
/// after CreateFromStdPicture, changeable with setSetImageWidth/Height (the
/// whole surface is then squeezed or stretched into it).
///
/// A zoomed picture of a large surface can be far larger than what a screen
/// shows (4000 x 3000 at 500 % is 1.2 GB), so besides ZoomPicture, which
/// makes the whole zoomed picture, zoomedWindow() produces any rectangle of
/// it on its own, with the same pixels the whole picture has there.
class cDIB32
{
public:
    cDIB32();
    ~cDIB32();

    /// Replaces the surface by one of NewWidth x NewHeight filled with
    /// \a BackColor (0x00BBGGRR). False, leaving no surface, when the size is
    /// not positive or the memory cannot be had.
    bool Create(qint32 NewWidth, qint32 NewHeight, qint32 BackColor = 0);
    /// Copies a bitmap picture into the surface and takes its size as the
    /// standard size: -1 (True) on success. An icon, an empty picture or one
    /// that cannot be copied gives 0 and leaves the previous surface in place.
    qint32 CreateFromStdPicture(const StdPicture& Picture);
    /// Copies Width() x Height() pixels of \a hSrcDC from (X, Y) into the
    /// surface at (0, 0); pixels beyond the source stay as they were. Does
    /// nothing without a surface.
    void LoadBlt(const QImage& hSrcDC, qint32 X = 0, qint32 Y = 0);
    /// Releases the surface.
    void Destroy();

    /// The surface to draw on; null without one.
    QImage* hDIBDC();
    /// The surface; a null image without one.
    const QImage& hDIB() const { return m_surface; }
    /// The first byte of the top row (rows are stored top-down); null without a surface.
    uchar* DIBitsPtr();
    /// Width() x Height() x 4.
    qint32 Size() const;
    qint32 Width() const { return m_surface.width(); }
    qint32 Height() const { return m_surface.height(); }
    qint32 BytesPerScanLine() const { return Width() * 4; }

    /// Size of the last zoomed picture.
    qint32 Area_Width() const { return m_area.width(); }
    qint32 Area_Height() const { return m_area.height(); }

    /// The standard width and height (what zoom 100 maps to).
    qint32 SetImageWidth() const { return m_standard.width(); }
    void setSetImageWidth(qint32 New_SetImageWidth);
    qint32 SetImageHeight() const { return m_standard.height(); }
    void setSetImageHeight(qint32 New_SetImageHeight);

    /// Sets the standard-size flag, which nothing else reads.
    void SetStandardSize(bool SizeMode) { m_standardSizeFlag = SizeMode; }
    bool standardSizeFlag() const { return m_standardSizeFlag; }

    /// A new picture of the \a WidthSrc x \a HeightSrc rectangle of \a hDCSrc
    /// at (LeftSrc, TopSrc); pixels beyond the source are black. An empty
    /// picture for a rectangle without area.
    static StdPicture hDCToPicture(
        const QImage& hDCSrc, qint32 LeftSrc, qint32 TopSrc, qint32 WidthSrc, qint32 HeightSrc);
    /// A bitmap picture of \a hBmp; an 8-bit bitmap takes \a hPal as its colours.
    static StdPicture CreateBitmapPicture(const QImage& hBmp, const QList<QRgb>& hPal = {});

    /// The standard size times ZoomFactor / 100, each side rounded (halves
    /// to even) and never below 0.
    QSize zoomedSize(qint32 ZoomFactor) const;
    /// Records zoomedSize(ZoomFactor) as the area size and sizes \a
    /// PictureDest (when given) to it, without making the picture.
    QSize SizeForZoom(QWidget* PictureDest, qint32 ZoomFactor);
    /// The whole surface stretched (nearest neighbour) to zoomedSize: records
    /// the area size, sizes \a PictureDest to it and returns the picture. An
    /// empty picture without a surface, for an empty size, or when the
    /// zoomed picture does not fit in memory.
    StdPicture ZoomPicture(QWidget* PictureDest, qint32 ZoomFactor);

    /// The rectangle \a window of the whole surface stretched to \a zoomed:
    /// exactly the pixels ZoomPicture gives there. Parts of \a window beyond
    /// the zoomed picture are left black. Costs only the window's area.
    QImage zoomedWindow(QSize zoomed, const QRect& window) const;
    /// The same pixels written straight into \a target (RGB32), the window's
    /// top-left corner at \a at; only the part of \a window inside the
    /// zoomed picture (and inside \a target) is written.
    void zoomWindowInto(QImage& target, QPoint at, QSize zoomed, const QRect& window) const;

private:
    QImage m_surface;
    QSize m_standard;
    QSize m_area;
    bool m_standardSizeFlag = true;
    Q_DISABLE_COPY(cDIB32)
};
