// A host embedding the three controls through their installed headers.
#include <QApplication>
#include <glyphon/Zel_CodeBox.h>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Zonecraft map;
    map.DrawNewRectangle(10, 20, 110, 70, QStringLiteral("href=a.htm"));
    ZelPropList list;
    list.AddItem(QStringLiteral("k"), QStringLiteral("Caption"), Tabulon::propString,
        QStringLiteral("v"), QString());
    Zel_CodeBox code;
    code.AddText(map.ExportCode(Zonecraft::ClientSide).trimmed(), QStringLiteral("a"), QString());
    const bool ok = map.CountFigures() == 1 && list.ListCount() == 1
        && code.ExtractRow(0) == QStringLiteral("<Area Shape=RECT COORDS=10,20,110,70 href=a.htm>");
    return ok ? 0 : 1;
}
