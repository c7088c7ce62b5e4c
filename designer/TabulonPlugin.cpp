#include "TabulonPlugin.h"

#include "DesignTimeControl.h"

#include <QPainter>
#include <tabulon/ZelPropList.h>

namespace {

// A header row over two rows of name and value.
void drawPropertyList(QPainter& p, const QRect& r)
{
    p.fillRect(r, Qt::white);
    const int row = r.height() / 3;
    p.fillRect(QRect(r.left(), r.top(), r.width(), row), QColor(0xc0, 0xc8, 0xd8));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawLine(r.left(), r.top() + 2 * row, r.right(), r.top() + 2 * row);
    p.drawLine(r.center().x(), r.top() + row, r.center().x(), r.bottom());
}

} // namespace

TabulonPlugin::TabulonPlugin(QObject* parent)
    : ControlPlugin(
        {
            QStringLiteral("ZelPropList"),
            QStringLiteral("tabulon/ZelPropList.h"),
            QStringLiteral("Property list"),
            QStringLiteral("Named items in two columns grouped under header rows, edited in place, "
                           "with a description pane."),
            QSize(250, 300),
            { QStringLiteral("Tmp_Text") },
            drawPropertyList,
            [](QWidget* parent) { return new DesignTimeControl<ZelPropList>(parent); },
        },
        parent)
{ }
