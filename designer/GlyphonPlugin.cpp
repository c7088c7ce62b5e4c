#include "GlyphonPlugin.h"

#include "DesignTimeControl.h"

#include <QPainter>
#include <glyphon/Zel_CodeBox.h>

namespace {

// A gutter beside three coloured lines of code.
void drawCodeBox(QPainter& p, const QRect& r)
{
    p.fillRect(r, Qt::white);
    p.fillRect(QRect(r.topLeft(), QSize(5, r.height())), QColor(0x50, 0x50, 0x50));
    const QColor colours[]
        = { QColor(0x80, 0x00, 0x00), QColor(0xff, 0x00, 0x00), QColor(0x00, 0x00, 0xff) };
    int y = r.top() + 3;
    int width = r.width() - 8;
    for (const QColor& colour : colours) {
        p.fillRect(QRect(r.left() + 7, y, width, 2), colour);
        y += 5;
        width -= 3;
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

GlyphonPlugin::GlyphonPlugin(QObject* parent)
    : ControlPlugin(
        {
            QStringLiteral("Zel_CodeBox"),
            QStringLiteral("glyphon/Zel_CodeBox.h"),
            QStringLiteral("Code box"),
            QStringLiteral("Keyed rows of markup source with coloured tags, a line-number gutter, "
                           "header rows and row selection."),
            QSize(320, 240),
            {},
            drawCodeBox,
            [](QWidget* parent) { return new DesignTimeControl<Zel_CodeBox>(parent); },
        },
        parent)
{ }
