#include "AreaCodeWriter.h"

#include "../figures/NumberFormat.h"

namespace zc::AreaCodeWriter {

namespace {

void appendBox(QString& out, const Figure& f)
{
    appendNumber(out, f.X1());
    out += QLatin1Char(',');
    appendNumber(out, f.Y1());
    out += QLatin1Char(',');
    appendNumber(out, f.X2());
    out += QLatin1Char(',');
    appendNumber(out, f.y2());
}

// Typical line lengths, so the whole text is allocated once.
qsizetype estimate(const FigureCollection& figures, qsizetype perFigure)
{
    return qsizetype(figures.count()) * perFigure;
}

} // namespace

void appendExportCoordinates(QString& out, const Figure& f)
{
    switch (f.ClassFigure) {
    case RectangleKind:
        appendBox(out, f);
        break;
    case CircleKind: {
        const double x1 = f.X1(), y1 = f.Y1(), x2 = f.X2(), y2 = f.y2();
        appendInteger(out, roundEven(x1 + (x2 - x1) / 2));
        out += QLatin1Char(',');
        appendInteger(out, roundEven(y1 + (y2 - y1) / 2));
        out += QLatin1Char(',');
        appendInteger(out, roundEven((x2 - x1) / 2));
        break;
    }
    case PolygonKind:
        for (int i = 1; i <= f.vertexCount(); ++i) {
            if (i > 1)
                out += QLatin1Char(',');
            const QPointF v = f.vertex(i);
            appendInteger(out, roundEven(float(v.x())));
            out += QLatin1Char(',');
            appendInteger(out, roundEven(float(v.y())));
        }
        break;
    default:
        break;
    }
}

QString clientSide(const FigureCollection& figures)
{
    QString out;
    out.reserve(estimate(figures, 64));
    for (const auto& figure : figures.figures()) {
        const Figure& f = *figure;
        out += QLatin1String("<Area Shape=");
        switch (f.ClassFigure) {
        case RectangleKind:
            out += QLatin1String("RECT COORDS=");
            break;
        case CircleKind:
            out += QLatin1String("CIRCLE COORDS=");
            break;
        case PolygonKind:
            out += QLatin1String("POLY COORDS=");
            break;
        default:
            break;
        }
        appendExportCoordinates(out, f);
        if (!f.Key.isEmpty()) {
            out += QLatin1Char(' ');
            out += f.Key;
        }
        out += QLatin1String(">\r\n");
    }
    return out;
}

QString separated(const FigureCollection& figures, const QString& separator)
{
    QString out;
    out.reserve(estimate(figures, 48 + 2 * separator.size()));
    for (const auto& figure : figures.figures()) {
        const Figure& f = *figure;
        appendExportCoordinates(out, f);
        out += separator;
        out += kindName(f.ClassFigure);
        out += separator;
        appendInteger(out, f.ControlIndex);
        out += QLatin1String("\r\n");
    }
    return out;
}

QString unroundedCoordinates(const Figure& f)
{
    QString out;
    switch (f.ClassFigure) {
    case RectangleKind:
        appendBox(out, f);
        break;
    case CircleKind: {
        const double x1 = f.X1(), y1 = f.Y1(), x2 = f.X2(), y2 = f.y2();
        out += Zel::numberText(x1 + (x2 - x1) / 2);
        out += QLatin1Char(',');
        out += Zel::numberText(y1 + (y2 - y1) / 2);
        out += QLatin1Char(',');
        out += Zel::numberText((x2 - x1) / 2);
        break;
    }
    case PolygonKind:
        for (int i = 1; i <= f.vertexCount(); ++i) {
            if (i > 1)
                out += QLatin1Char(',');
            appendNumber(out, f.X1() + f.DataX()[size_t(i)]);
            out += QLatin1Char(',');
            appendNumber(out, f.Y1() + f.DataY()[size_t(i)]);
        }
        break;
    default:
        break;
    }
    return out;
}

QString kindName(qint32 classFigure)
{
    switch (classFigure) {
    case NoKind:
        return QStringLiteral("Nothing");
    case RectangleKind:
        return QStringLiteral("Rectangle");
    case CircleKind:
        return QStringLiteral("Circle");
    case PolygonKind:
        return QStringLiteral("Polygon");
    default:
        return {};
    }
}

QString boxText(const Figure& f)
{
    QString out;
    appendBox(out, f);
    return out;
}

} // namespace zc::AreaCodeWriter
