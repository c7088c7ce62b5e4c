#pragma once

#include <QRect>
#include <common/OleColor.h>
#include <common/StdFont.h>
#include <common/UserControl.h>
#include <optional>

class QPainter;

namespace Tabulon {

/// What the in-place editors share: the enabled state, the border look
/// (BorderApperance 0 flat without border, 1 a sunken three-dimensional
/// edge), the font handed to the inner text, and the raised or sunken button
/// at the right edge of the client area.
class EditorControl : public UserControl
{
    Q_OBJECT
    /// Whether the editor accepts input; the buttons repaint when it changes.
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged)
    /// 0: flat without border; 1: three-dimensional with a single fixed border.
    Q_PROPERTY(qint16 BorderApperance READ BorderApperance WRITE setBorderApperance NOTIFY
            BorderApperanceChanged)
    /// The font of the editor's text; the ambient font by default.
    Q_PROPERTY(StdFont Font READ Font WRITE setFont NOTIFY FontChanged)

public:
    /// Width of the button at the right edge of the client area.
    enum LayoutMetrics { ButtonWidth = 18 };
    /// What a button shows.
    enum class Glyph { UpArrow, DownArrow, Ellipsis };

    ~EditorControl() override;

    bool Enabled() const;
    void setEnabled(bool New_Enabled);
    qint16 BorderApperance() const;
    void setBorderApperance(qint16 New_BorderApperance);
    StdFont Font() const;
    void setFont(const StdFont& New_Font);
    using QWidget::setFont;

    /// Paints a button into \a rect: a raised edge with the glyph 1 pixel up, or while
    /// \a pressed a flat sunken edge with the glyph 1 pixel right. \a font draws the ellipsis.
    static void paintButton(
        QPainter& painter, const QRect& rect, bool pressed, Glyph glyph, const QFont& font);

Q_SIGNALS:
    /// \name Change notices
    ///@{

    /// Each is raised once when its property's value changes, and not when the value it holds
    /// is written again. They come beside the editor's events.
    void EnabledChanged(bool enabled);
    void BorderApperanceChanged(qint16 borderApperance);
    void FontChanged(const StdFont& font);
    ///@}

protected:
    explicit EditorControl(QWidget* parent);

    /// The client area: the widget inside its border.
    QRect clientRect() const { return contentsRect(); }
    /// The button at the right edge of the client area, full height.
    QRect rightButtonRect() const;
    /// Paints the background in \a background and the border.
    void paintFrame(QPainter& painter, const QColor& background) const;
    /// Makes \a color the background of the editor and of its text box (the palette's Base and
    /// Window). A system colour is resolved again whenever the palette changes, so an open
    /// editor follows a switch to a dark palette.
    void setBackgroundColor(OLE_COLOR color);
    /// Gives the editor's children the font \a font (called whenever Font changes).
    virtual void applyFont(const QFont& font) = 0;
    /// The children are laid out again (after a resize or a border change).
    virtual void layoutChildren() { }

    /// Reads "Enabled", "BorderApperance" and "Font" (absent keys give the defaults) without
    /// applying them, so a bad stored value changes nothing.
    struct CommonValues
    {
        bool enabled = true;
        qint16 borderApperance = 1;
        StdFont font;
    };
    CommonValues readCommon(const PropertyBag& bag) const;
    void applyCommon(const CommonValues& values);
    void writeCommon(PropertyBag& bag) const;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyBorder();
    void applyBackground();

    qint16 m_borderApperance = 1;
    StdFont m_font;
    std::optional<OLE_COLOR> m_background; // none: the parent's palette shows through
};

} // namespace Tabulon
