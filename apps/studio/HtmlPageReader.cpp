#include "HtmlPageReader.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <gumbo.h>
#include <memory>

namespace {

// What the reader of a page is told, in the person's language once a translator is installed.
class PageReaderTexts
{
    Q_DECLARE_TR_FUNCTIONS(PageReaderTexts)
};

struct GumboDeleter
{
    void operator()(GumboOutput* output) const
    {
        gumbo_destroy_output(&kGumboDefaultOptions, output);
    }
};
using GumboTree = std::unique_ptr<GumboOutput, GumboDeleter>;

// UTF-8 from the page as it stands. QString::fromUtf8 drops a byte order
// mark at the start of what it decodes, but inside a page that is a
// character like any other, of a name, a value or the text around the map.
QString utf8Text(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// Where the byte \a offset of \a page stands in its text: the parser counts
// UTF-8 bytes, the frame holds text.
qsizetype textOffset(const QByteArray& page, size_t offset)
{
    return utf8Text(page.left(qsizetype(offset))).size();
}

QString text(const GumboStringPiece& piece)
{
    return utf8Text(QByteArrayView(piece.data, qsizetype(piece.length)));
}

QString attributeValue(const GumboElement& element, const char* name)
{
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute ? utf8Text(attribute->value) : QString();
}

int lineOfOffset(const QByteArray& bytes, qsizetype offset)
{
    return int(bytes.left(offset).count('\n')) + 1;
}

// Where a start tag's text ends in the page.
size_t tagEnd(const GumboElement& element)
{
    return element.start_pos.offset + element.original_tag.length;
}

struct FoundArea
{
    const GumboElement* element;
    const GumboElement* map; // nullptr outside any map
};

struct Scan
{
    QList<const GumboElement*> maps;
    QList<FoundArea> areas;
    QList<const GumboElement*> images;
    /// The studio's rescaling scripts.
    QList<const GumboElement*> scripts;
    QString title;
    const GumboElement* titleElement = nullptr;
    const GumboElement* dateMeta = nullptr;
    const GumboElement* head = nullptr;
    const GumboElement* body = nullptr;
};

bool isDateMeta(const GumboElement& element)
{
    return attributeValue(element, "name").trimmed().compare(u"date", Qt::CaseInsensitive) == 0
        && gumbo_get_attribute(&element.attributes, "content");
}

// Whether the script \a element can be one the studio wrote. An HTML script
// holds text up to its end tag or the end of the page. Inside an SVG drawing
// a script holds markup and may be closed by another element's end tag (the
// parser then records that one as the script's): the studio's own, saved
// after a drawing left open, ends with "</script>" and holds text only,
// while one holding a map or any other element is not the studio's.
bool isStudioScriptShape(const GumboElement& element)
{
    if (element.tag_namespace == GUMBO_NAMESPACE_HTML)
        return true;
    constexpr char endTag[] = "</script";
    constexpr size_t endTagLength = sizeof(endTag) - 1;
    const GumboStringPiece& closing = element.original_end_tag;
    if (closing.length < endTagLength || qstrnicmp(closing.data, endTag, endTagLength) != 0)
        return false;
    for (unsigned i = 0; i < element.children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(element.children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT || child->type == GUMBO_NODE_TEMPLATE)
            return false;
    }
    return true;
}

void scan(const GumboNode* root, Scan& found)
{
    struct Pending
    {
        const GumboNode* node;
        const GumboElement* map;
    };
    QList<Pending> stack { { root, nullptr } };
    while (!stack.isEmpty()) {
        const Pending p = stack.takeLast();
        if (p.node->type != GUMBO_NODE_ELEMENT && p.node->type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboElement& element = p.node->v.element;
        const GumboElement* map = p.map;
        switch (element.tag) {
        case GUMBO_TAG_MAP:
            found.maps << &element;
            map = &element;
            break;
        case GUMBO_TAG_AREA:
            found.areas << FoundArea { &element, map };
            break;
        case GUMBO_TAG_IMG:
            if (gumbo_get_attribute(&element.attributes, "usemap"))
                found.images << &element;
            break;
        case GUMBO_TAG_TITLE:
            // An SVG's <title> names a drawing, not the page.
            if (!found.titleElement && element.tag_namespace == GUMBO_NAMESPACE_HTML) {
                found.titleElement = &element;
                if (element.children.length > 0) {
                    const auto* child = static_cast<const GumboNode*>(element.children.data[0]);
                    if (child->type == GUMBO_NODE_TEXT)
                        found.title = utf8Text(child->v.text.text).simplified();
                }
            }
            break;
        case GUMBO_TAG_META:
            if (!found.dateMeta && element.tag_namespace == GUMBO_NAMESPACE_HTML
                && isDateMeta(element))
                found.dateMeta = &element;
            break;
        case GUMBO_TAG_HEAD:
            if (!found.head)
                found.head = &element;
            break;
        case GUMBO_TAG_BODY:
            if (!found.body)
                found.body = &element;
            break;
        case GUMBO_TAG_SCRIPT:
            // Only the element: the marker in a comment or a value is text.
            if (element.original_tag.length > 0 && isStudioScriptShape(element)
                && gumbo_get_attribute(
                    &element.attributes, HtmlPageReader::responsiveMarker().toUtf8().constData()))
                found.scripts << &element;
            break;
        default:
            break;
        }
        // Children pushed last-first, so they come off the stack in page order.
        for (unsigned i = element.children.length; i > 0; --i)
            stack.append({ static_cast<const GumboNode*>(element.children.data[i - 1]), map });
    }
}

MapArea areaOf(const GumboElement& element)
{
    MapArea area;
    for (unsigned i = 0; i < element.attributes.length; ++i) {
        const auto* a = static_cast<const GumboAttribute*>(element.attributes.data[i]);
        const QString originalName = text(a->original_name);
        // The parser points the value of an attribute written without "=" at its name.
        const bool hasValue
            = a->original_value.length > 0 && a->original_value.data != a->original_name.data;
        area.attributes.append({ originalName.isEmpty() ? utf8Text(a->name) : originalName,
            utf8Text(a->value), hasValue });
    }
    area.sourceTag = text(element.original_tag);
    area.line = int(element.start_pos.line);
    return area;
}

QString mapNameOf(const GumboElement& map)
{
    const QString name = attributeValue(map, "name");
    return name.isEmpty() ? attributeValue(map, "id") : name;
}

// Where the title text, the date tag and the end of the head stand in the
// text before \a mapStart, so writing the page back can change just them.
void findHeadFields(const QByteArray& page, size_t mapStart, const Scan& scanned, PageFrame& frame)
{
    const auto position = [&page](size_t offset) { return textOffset(page, offset); };
    const auto span = [&](size_t from, size_t to) {
        PageFrame::Span result;
        if (from <= to && to <= mapStart) {
            result.at = position(from);
            result.length = position(to) - result.at;
        }
        return result;
    };
    if (const GumboElement* title = scanned.titleElement;
        title && title->original_tag.length > 0 && title->original_end_tag.length > 0)
        frame.titleText = span(tagEnd(*title), title->end_pos.offset);
    if (const GumboElement* meta = scanned.dateMeta; meta && meta->original_tag.length > 0)
        frame.dateTag = span(meta->start_pos.offset, tagEnd(*meta));
    // A page without "</head>" takes new head elements after its title, or
    // else right after "<head>"; a page with neither gets none.
    size_t headEnd = 0;
    const GumboElement* head = scanned.head;
    if (head && head->original_end_tag.length > 0)
        headEnd = head->end_pos.offset;
    else if (frame.titleText.at >= 0)
        headEnd
            = scanned.titleElement->end_pos.offset + scanned.titleElement->original_end_tag.length;
    else if (head && head->original_tag.length > 0)
        headEnd = tagEnd(*head);
    if (headEnd > 0 && headEnd <= mapStart)
        frame.headEnd = position(headEnd);
}

// The studio's scripts before \a mapStart and from \a mapEnd on, as places
// in the frame's `before` and `after`, so saving replaces just them.
void findScripts(
    const QByteArray& page, size_t mapStart, size_t mapEnd, const Scan& scanned, PageFrame& frame)
{
    const auto position = [&page](size_t offset) { return textOffset(page, offset); };
    const qsizetype afterStart = position(mapEnd);
    for (const GumboElement* script : scanned.scripts) {
        const size_t from = script->start_pos.offset;
        size_t to = script->original_end_tag.length > 0
            ? script->end_pos.offset + script->original_end_tag.length
            : size_t(page.size());
        if (to < size_t(page.size()) && page.at(qsizetype(to)) == '\n')
            ++to;
        PageFrame::Span span;
        span.at = position(from);
        span.length = position(to) - span.at;
        if (to <= mapStart) {
            frame.scriptsBefore << span;
        } else if (from >= mapEnd) {
            span.at -= afterStart;
            frame.scriptsAfter << span;
        }
    }
    // The body's end tag, where the script goes; "</body>" in a comment or
    // a script is text.
    const GumboElement* body = scanned.body;
    if (body && body->original_end_tag.length > 0 && body->end_pos.offset >= mapEnd)
        frame.bodyEnd = position(body->end_pos.offset) - afterStart;
    // In page order, which the tree need not keep.
    const auto byPlace
        = [](const PageFrame::Span& a, const PageFrame::Span& b) { return a.at < b.at; };
    std::sort(frame.scriptsBefore.begin(), frame.scriptsBefore.end(), byPlace);
    std::sort(frame.scriptsAfter.begin(), frame.scriptsAfter.end(), byPlace);
}

// Whether \a text is only blanks and complete comments, which may follow an
// area anywhere in a map without changing any element around it. Anything
// doubtful counts as markup.
bool isInert(const QString& text)
{
    const QLatin1String open("<!--"), close("-->");
    qsizetype at = 0;
    while (at < text.size()) {
        if (text.at(at).isSpace()) {
            ++at;
            continue;
        }
        if (!QStringView(text).mid(at).startsWith(open))
            return false;
        const qsizetype body = at + open.size();
        const qsizetype end = text.indexOf(close, body);
        if (end < 0)
            return false;
        // "<!-->", "<!--->" and "--!>" end a comment early.
        const QStringView inside = QStringView(text).mid(body, end - body);
        if (inside.startsWith(u'>') || inside.startsWith(u"->") || inside.contains(u"--!>"))
            return false;
        at = end + close.size();
    }
    return true;
}

PageMap pageMapOf(const QByteArray& page, const GumboElement& map, const QList<FoundArea>& areas,
    const Scan& scanned)
{
    const auto slice = [&page](size_t from, size_t to) {
        return to > from ? utf8Text(page.mid(qsizetype(from), qsizetype(to - from))) : QString();
    };
    PageMap result;
    result.name = mapNameOf(map);
    result.line = int(map.start_pos.line);

    QList<const GumboElement*> own;
    for (const FoundArea& found : areas) {
        // Only areas whose tags are written in the page can be written back in place.
        if (found.map == &map && found.element->original_tag.length > 0)
            own << found.element;
    }
    // In page order: the tree can hold an area the parser moved out of a
    // table before the ones written before it.
    std::stable_sort(own.begin(), own.end(), [](const GumboElement* a, const GumboElement* b) {
        return a->start_pos.offset < b->start_pos.offset;
    });
    const bool closed = map.original_end_tag.length > 0;
    const size_t start = map.start_pos.offset;
    const size_t contentStart = tagEnd(map);
    const size_t contentEnd = closed ? map.end_pos.offset
        : own.isEmpty()              ? contentStart
                                     : tagEnd(*own.last());
    const size_t end = closed ? map.end_pos.offset + map.original_end_tag.length : contentEnd;

    PageFrame& frame = result.frame;
    frame.before = slice(0, start);
    findHeadFields(page, start, scanned, frame);
    frame.mapStartTag = text(map.original_tag);
    frame.mapEndTag = text(map.original_end_tag);
    frame.after = slice(end, size_t(page.size()));
    findScripts(page, start, end, scanned, frame);
    frame.leading = slice(contentStart, own.isEmpty() ? contentEnd : own.first()->start_pos.offset);
    for (int i = 0; i < own.size(); ++i) {
        MapArea area = areaOf(*own.at(i));
        if (i + 1 < own.size()) {
            const QString piece = slice(tagEnd(*own.at(i)), own.at(i + 1)->start_pos.offset);
            const bool inert = isInert(piece);
            area.trailing = inert ? piece : QString();
            frame.between << (inert ? QString() : piece);
        }
        result.areas << area;
    }
    if (!own.isEmpty())
        frame.closing = slice(tagEnd(*own.last()), contentEnd);
    return result;
}

// The page as UTF-8 that the parser's offsets index; a page that is not
// UTF-8 is read as Latin-1, as browsers read a page without a charset.
bool decodePage(QByteArray& page, PageError* error, QStringList& notes)
{
    const qsizetype nul = page.indexOf('\0');
    if (nul >= 0) {
        *error = { lineOfOffset(page, nul),
            PageReaderTexts::tr(
                "the file holds binary data (a NUL byte); it is not an HTML page") };
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(page);
    if (utf8.hasError()) {
        page = QString::fromLatin1(page).toUtf8();
        notes << QStringLiteral(
            "the page is not UTF-8; it was read as Latin-1 and is saved as UTF-8");
    }
    return true;
}

} // namespace

QString PageError::text() const
{
    return line > 0 ? PageReaderTexts::tr("line %1: %2").arg(line).arg(message) : message;
}

QString HtmlPageReader::responsiveMarker()
{
    return QStringLiteral("data-zelstudio-rescale");
}

bool HtmlPageReader::read(const QByteArray& source, HtmlPage* result, PageError* error)
{
    QByteArray page = source;
    HtmlPage found;
    PageError failure;
    if (!decodePage(page, &failure, found.notes)) {
        if (error)
            *error = failure;
        return false;
    }

    const GumboTree tree(
        gumbo_parse_with_options(&kGumboDefaultOptions, page.constData(), size_t(page.size())));
    Scan scanned;
    scan(tree->root, scanned);

    if (scanned.maps.isEmpty()) {
        const int line
            = scanned.areas.isEmpty() ? 0 : int(scanned.areas.first().element->start_pos.line);
        if (error) {
            *error = { line,
                scanned.areas.isEmpty()
                    ? PageReaderTexts::tr("the page holds no image map (no <map> element)")
                    : PageReaderTexts::tr("the <area> tags are in no <map> element") };
        }
        return false;
    }

    found.title = scanned.title;
    if (scanned.dateMeta) {
        const QString content = attributeValue(*scanned.dateMeta, "content").trimmed();
        found.date = QDate::fromString(content, Qt::ISODate);
        if (!found.date.isValid()) {
            found.notes << QStringLiteral("line %1: the date \"%2\" is not written yyyy-MM-dd; "
                                          "it is kept until a date is chosen")
                               .arg(scanned.dateMeta->start_pos.line)
                               .arg(content);
        }
    }
    found.responsive = !scanned.scripts.isEmpty();
    for (const FoundArea& area : std::as_const(scanned.areas)) {
        if (!area.map)
            found.areasOutsideMaps << int(area.element->start_pos.line);
    }
    for (const int line : std::as_const(found.areasOutsideMaps))
        found.notes
            << PageReaderTexts::tr("line %1: an <area> outside any map is kept as it is").arg(line);

    for (const GumboElement* map : std::as_const(scanned.maps)) {
        PageMap pageMap = pageMapOf(page, *map, scanned.areas, scanned);
        if (map->original_end_tag.length == 0) {
            found.notes << QStringLiteral("line %1: the map \"%2\" is never closed")
                               .arg(pageMap.line)
                               .arg(pageMap.name);
        }
        for (const GumboElement* image : std::as_const(scanned.images)) {
            QString target = attributeValue(*image, "usemap").trimmed();
            if (target.startsWith(QLatin1Char('#')))
                target.remove(0, 1);
            if (target.compare(pageMap.name, Qt::CaseInsensitive) == 0) {
                pageMap.pictureSource = attributeValue(*image, "src");
                pageMap.pictureAlt = attributeValue(*image, "alt");
                break;
            }
        }
        for (const MapArea& area : std::as_const(pageMap.areas)) {
            const AreaGeometry g = area.geometry();
            if (!g.isShown()) {
                found.notes << PageReaderTexts::tr("line %1: kept and written back, not shown: %2")
                                   .arg(area.line)
                                   .arg(g.problem);
            }
        }
        found.maps << pageMap;
    }
    if (result)
        *result = found;
    return true;
}
