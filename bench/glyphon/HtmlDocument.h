#pragma once

#include <QString>
#include <QStringList>
#include <glyphon/Zel_CodeBox.h>

// A generated HTML document: lines of about 80 characters with tags,
// attributes in both quote kinds, comments, entities and non-ASCII text.
inline QString htmlLine(int i)
{
    const QString n = QString::number(i);
    switch (i % 6) {
    case 0:
        return QStringLiteral(
            "<div class=\"row-%1\" id='r%1'><a href=\"page%1.html\" title=\"Zürich &amp; Köln\">")
            .arg(n);
    case 1:
        return QStringLiteral("    <!-- section %1: naïve café résumé, kept for the old layout -->")
            .arg(n);
    case 2:
        return QStringLiteral(
            "<p style='color:#%1' data-x=\"1,2,3\">Grüße &copy; 2026 &lt;b&gt; text</p>")
            .arg(i % 1000000, 6, 10, QLatin1Char('0'));
    case 3:
        return QStringLiteral(
            "<img src=\"images/photo%1.jpg\" alt=\"日本語の写真 %1\" width=120 height=80>")
            .arg(n);
    case 4:
        return QStringLiteral(
            "<area shape=\"poly\" coords=\"10,20,30,40,50,%1\" href='#a%1' alt=\"Ωmega\">")
            .arg(n);
    default:
        return QStringLiteral(
            "  Plain text line %1 with an entity&nbsp;and   spaces, ending here.</td>")
            .arg(n);
    }
}

struct HtmlDocument
{
    QStringList lines;
    QStringList keys;
    QStringList categories;

    explicit HtmlDocument(int count)
    {
        lines.reserve(count);
        keys.reserve(count);
        categories.reserve(count);
        for (int i = 0; i < count; ++i) {
            lines << htmlLine(i);
            keys << QStringLiteral("L%1").arg(i);
            categories << QStringLiteral("section%1").arg(i / 1000);
        }
    }

    // Adds every line with its own key, AutoRender off while loading.
    void load(Zel_CodeBox& box) const
    {
        box.setAutoRender(false);
        for (qsizetype i = 0; i < lines.size(); ++i)
            box.AddText(lines.at(i), keys.at(i), categories.at(i));
    }
};
