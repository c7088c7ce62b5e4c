#include "CodeLayout_p.h"

namespace {

QFont faceOf(const QFont& base, int face)
{
    QFont font = base;
    font.setBold(face & CodeFonts::Bold);
    font.setItalic(face & CodeFonts::Slanted);
    font.setUnderline(face & CodeFonts::Slanted);
    return font;
}

} // namespace

CodeFonts::CodeFonts(const QFont& base)
    : m_fonts { faceOf(base, 0), faceOf(base, 1), faceOf(base, 2), faceOf(base, 3) }
    , m_metrics { QFontMetrics(m_fonts[0]), QFontMetrics(m_fonts[1]), QFontMetrics(m_fonts[2]),
        QFontMetrics(m_fonts[3]) }
{
    m_lineHeight = m_metrics[0].height();
    m_ascent = m_metrics[0].ascent();
}

int CodeFonts::width(int face, const QString& text) const
{
    return m_metrics[size_t(face)].horizontalAdvance(text);
}

TokenStyler::Style TokenStyler::next(qint32 kind)
{
    OLE_COLOR color = 0;
    bool slanted = false;
    switch (kind) {
    case Zel_CodeBox::AttributeName:
        m_bold = false;
        color = m_colors.attributeName;
        break;
    case Zel_CodeBox::AttributeValue:
        m_bold = true;
        color = m_colors.attributeValue;
        break;
    case Zel_CodeBox::ElementStart:
    case Zel_CodeBox::ElementTag:
        m_bold = true;
        color = m_colors.elementName;
        break;
    case Zel_CodeBox::SourceValue:
        slanted = true;
        color = Zel::ButtonShadowColor;
        break;
    case Zel_CodeBox::CommentWord:
        color = m_colors.comment;
        break;
    default: // plain text keeps the bold state of the token before it
        break;
    }
    if (m_shadowed)
        color = m_colors.comment;
    return { (m_bold ? CodeFonts::Bold : 0) | (slanted ? CodeFonts::Slanted : 0), color };
}

namespace CodeLayout {

int layoutTokens(
    QList<CodeToken>& tokens, const CodeFonts& fonts, int left, int right, QList<QString>* drawn)
{
    TokenStyler styler({}, false);
    int x = left;
    int y = 0;
    if (drawn)
        drawn->clear();
    for (CodeToken& token : tokens) {
        const int face = styler.next(token.Kind).face;
        QString text = token.Text;
        int width = fonts.width(face, text);
        // A token that does not fit starts a new line, unless it already
        // starts one: then it runs over the right edge.
        if (x + width >= right && x > left) {
            if (text.startsWith(u' ')) {
                text.remove(0, 1);
                width = fonts.width(face, text);
            }
            x = left;
            y += fonts.lineHeight();
        }
        token.x = qint16(qBound(-32768, x, 32767));
        token.y = qint16(qBound(-32768, y, 32767));
        token.Offset = 0;
        x += width;
        if (drawn)
            drawn->append(text);
    }
    return y + fonts.lineHeight() + 2;
}

int barHeight(const CodeFonts& fonts, const QString& text)
{
    const int lines = int(text.count(u'\n')) + 1;
    return fonts.lineHeight() * lines + 4;
}

} // namespace CodeLayout
