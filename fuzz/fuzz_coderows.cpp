// Rows of markup through Zel_CodeBox::AddText, laid out and painted at
// several sizes. Each input line is a row: "MODE CATEGORY<TAB>TEXT" (MODE
// 0 code, 1 header, 2 shadowed, 3 hidden) or just TEXT, a code row. Every
// row is stored under its key, its tokens hold every character of its text
// but blanks, and every paint returns.

#include "FuzzSupport.h"

#include <QWidget>
#include <glyphon/Zel_CodeBox.h>

namespace {

struct RowInput
{
    Zel_CodeBox::AddMode mode = Zel_CodeBox::App_Code;
    QString category = QStringLiteral("page");
    QString text;
};

RowInput parseRow(const QString& line)
{
    RowInput row;
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0) {
        row.text = line;
        return row;
    }
    const QString head = line.left(tab);
    row.text = line.mid(tab + 1);
    if (!head.isEmpty() && head[0] >= u'0' && head[0] <= u'3') {
        row.mode = Zel_CodeBox::AddMode(head[0].unicode() - u'0');
        row.category = head.mid(1).trimmed();
    } else {
        row.category = head;
    }
    return row;
}

QString withoutBlanks(QString text)
{
    text.remove(u' ');
    return text;
}

void paintAt(Zel_CodeBox& box, QWidget* surface, int width, int height)
{
    box.resize(width, height);
    ZEL_FUZZ_CHECK(!surface->grab().isNull() || surface->size().isEmpty(),
        QStringLiteral("nothing painted at %1x%2").arg(width).arg(height));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    const QStringList lines = ZelFuzz::text(data, size).split(u'\n');

    Zel_CodeBox box;
    box.resize(320, 200);
    int refusedKeys = 0;
    QObject::connect(&box, &Zel_CodeBox::Error, [&](qint32) { ++refusedKeys; });
    for (int i = 0; i < lines.size(); ++i) {
        const RowInput row = parseRow(lines.at(i));
        box.AddText(row.text, QStringLiteral("row%1").arg(i), row.category, StdPicture(), row.mode);
    }
    ZEL_FUZZ_CHECK(refusedKeys == 0, QStringLiteral("a fresh key was refused"));

    for (int i = 0; i < lines.size(); ++i) {
        const QString key = QStringLiteral("ROW%1").arg(i);
        const qint32 index = box.ReturnKey(key);
        ZEL_FUZZ_CHECK(index >= 0, QStringLiteral("row %1 is not stored").arg(i));
        const CodeRow row = box.Row(index);
        ZEL_FUZZ_CHECK(row.Key.compare(key, Qt::CaseInsensitive) == 0,
            QStringLiteral("row %1 comes back under the key %2").arg(i).arg(row.Key));
        ZEL_FUZZ_CHECK(row.Height > 0, QStringLiteral("row %1 has no height").arg(i));
        // Only code rows are coloured; headers and hidden rows are bars of plain text.
        if (row.AddType != Zel_CodeBox::App_Code && row.AddType != Zel_CodeBox::Shadowed)
            continue;
        QString joined;
        for (const CodeToken& token : row.Tokens)
            joined += token.Text;
        ZEL_FUZZ_CHECK(withoutBlanks(joined) == withoutBlanks(row.Value),
            QStringLiteral("the tokens of row %1 hold %2, the row %3")
                .arg(i)
                .arg(ZelFuzz::quoted(joined), ZelFuzz::quoted(row.Value)));
    }

    auto* surface = box.findChild<QWidget*>(QStringLiteral("Picture1"));
    ZEL_FUZZ_CHECK(surface, QStringLiteral("no drawing surface"));
    box.setAutoRender(true);
    paintAt(box, surface, 320, 200);
    paintAt(box, surface, 1, 1);
    paintAt(box, surface, 37, 300);
    const qint32 count = box.Count().toInt();
    box.setListIndex(count / 2);
    box.setTopIndex(count - 1);
    paintAt(box, surface, 640, 40);
    box.SelectItem(QStringLiteral("row%1").arg(lines.size() - 1));
    paintAt(box, surface, 800, 600);

    // Rows go as they came: every other one erased, the rest still painted.
    for (int i = 0; i < lines.size(); i += 2)
        box.EraseRow(QStringLiteral("row%1").arg(i));
    paintAt(box, surface, 200, 120);
    return 0;
}
