// Area text robustness: seeded random and mutated input to every reader of
// coordinates text. Whatever the text, nothing crashes, the figures already
// there keep their exported line, bulk loading ends, and the export still
// reads back to the same figures.

#include "ZonecraftTestSupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

// Values chosen to sit on the edges of every number reader.
const QStringList oddNumbers = {
    QStringLiteral("0"),
    QStringLiteral("-1"),
    QStringLiteral("-2147483648"),
    QStringLiteral("2147483647"),
    QStringLiteral("2147483648"),
    QStringLiteral("-2147483649"),
    QStringLiteral("99999999999999999999999"),
    QStringLiteral("1e308"),
    QStringLiteral("-1e309"),
    QStringLiteral("0.5"),
    QStringLiteral("1.5.5"),
    QStringLiteral("&H"),
    QStringLiteral("&HFF"),
    QStringLiteral("&HFFFFFFFFFFFF"),
    QStringLiteral("&HZZ"),
    QStringLiteral("&H8000000F"),
    QStringLiteral("&h-1"),
    QStringLiteral("NaN"),
    QStringLiteral("nan"),
    QStringLiteral("inf"),
    QStringLiteral("-Infinity"),
    QStringLiteral("1e-400"),
    QStringLiteral("\u00e9"),
    QStringLiteral("\u0661\u0662"),
    QStringLiteral("\U0001D7D9"),
    QStringLiteral("\u00a0 7"),
    QStringLiteral(" 12 "),
    QStringLiteral(""),
    QStringLiteral("+"),
    QStringLiteral("-"),
    QStringLiteral("True"),
    QStringLiteral("False"),
    QStringLiteral("x"),
};

const QStringList kindNames = { QStringLiteral("Rectangle"), QStringLiteral("Circle"),
    QStringLiteral("Polygon"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
    QStringLiteral("Hexagon"), QStringLiteral("polygon"), QStringLiteral("0"), QStringLiteral("") };

class Fuzzer
{
public:
    explicit Fuzzer(quint32 seed)
        : rng(seed)
    { }

    int below(int n) { return int(rng.bounded(quint32(n))); }
    bool chance(int percent) { return below(100) < percent; }
    QString pick(const QStringList& list) { return list.at(below(int(list.size()))); }
    QString number() { return chance(75) ? QString::number(below(700) - 30) : pick(oddNumbers); }

    QStringList coordinates(int kind)
    {
        int count = kind == 1 ? 4 : kind == 2 ? 3 : 2 * (3 + below(6));
        if (kind == 3 && chance(3))
            count = 2 * (200 + below(800)); // a very long vertex list
        QStringList v;
        for (int i = 0; i < count; ++i)
            v << (chance(95) ? QString::number(below(640)) : number());
        return v;
    }

    // A well-formed separated line, then zero to three mutations.
    QString line()
    {
        const int kind = 1 + below(3);
        QStringList coords = coordinates(kind);
        QStringList fields = { QString(), kindNames.at(kind - 1 + (chance(30) ? 3 : 0)),
            QString::number(below(1000)), chance(50) ? QString::number(below(0xffffff)) : QString(),
            chance(50) ? QStringLiteral("False") : QStringLiteral("-1") };
        for (int m = below(4); m > 0; --m)
            mutate(coords, fields);
        fields[0] = coords.join(QLatin1Char(','));
        QString text = fields.join(QLatin1Char('|'));
        const int end = below(20);
        text += end == 0 ? QString() : end == 1 ? QStringLiteral("\n") : QStringLiteral("\r\n");
        return text;
    }

    QString lines()
    {
        QString text;
        for (int n = 1 + below(3); n > 0; --n)
            text += chance(5) ? QStringLiteral("\r\n") : line();
        if (chance(3))
            text.clear();
        return text;
    }

    void mutate(QStringList& coords, QStringList& fields, int which = -1)
    {
        switch (which < 0 ? below(8) : which) {
        case 0: // a field dropped
            if (!fields.isEmpty())
                fields.removeAt(below(int(fields.size())));
            break;
        case 1: // a separator doubled
            fields.insert(below(int(fields.size()) + 1), QString());
            break;
        case 2: // a field replaced by an odd value
            if (!fields.isEmpty())
                fields[below(int(fields.size()))] = number();
            break;
        case 3: // a coordinate replaced by an odd value
            if (!coords.isEmpty())
                coords[below(int(coords.size()))] = pick(oddNumbers);
            break;
        case 4: // coordinates dropped
            for (int n = 1 + below(3); n > 0 && !coords.isEmpty(); --n)
                coords.removeLast();
            break;
        case 5: // a comma doubled or an extra coordinate
            coords.insert(below(int(coords.size()) + 1), chance(50) ? QString() : number());
            break;
        case 6:
            if (fields.size() > 1)
                fields[1] = pick(kindNames);
            break;
        default: // extra fields
            fields << number();
            break;
        }
    }

    // A coordinate list with one to three mutations of its own.
    QString mutatedCoordinates(int kind)
    {
        QStringList coords = coordinates(kind);
        QStringList unused;
        for (int m = 1 + below(3); m > 0; --m)
            mutate(coords, unused, 3 + below(3));
        return coords.join(QLatin1Char(','));
    }

    QRandomGenerator rng;
};

// The exported line of every figure, by number.
QHash<QString, QString> linesByNumber(const QString& exported)
{
    QHash<QString, QString> out;
    for (const QString& line : exported.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        out.insert(line.section(QLatin1Char('|'), -1), line);
    return out;
}

} // namespace

class TestAreaCodeRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomTextKeepsFigures();
    void circleBeyondFloatPrecisionIsRefused();
};

void TestAreaCodeRobustness::randomTextKeepsFigures()
{
    ZonecraftFixture fx;
    ZonecraftFixture fresh;
    Zonecraft& z = fx.z();
    // A small picture: every accepted figure repaints it, and the cases are
    // about text, not pixels.
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::white);
    for (Zonecraft* c : { &z, &fresh.z() }) {
        c->resize(80, 60);
        c->setPicture(StdPicture(small));
    }
    Fuzzer fuzz(20261208);
    auto seed = [&z] {
        z.Clear();
        z.ImportCode(Zonecraft::customcode,
            QStringLiteral("10,20,110,70|Rectangle|5|&HFF|False\r\n"
                           "300,300,40|Circle|6||0\r\n"
                           "100,50,120,50,110,80|Polygon|7|255|True\r\n"));
    };
    seed();
    QElapsedTimer timer;
    timer.start();
    int errors = 0;
    const int cases = 2000;
    for (int i = 0; i < cases; ++i) {
        if (z.CountFigures() > 20)
            seed();
        const QString before = z.ExportCode(Zonecraft::customcode);
        const QHash<QString, QString> kept = linesByNumber(before);
        const int action = fuzz.below(4);
        QString input;
        qint32 moved = 0;
        try {
            switch (action) {
            case 0:
                input = fuzz.lines();
                z.ImportCode(Zonecraft::customcode, input);
                break;
            case 1: {
                const int kind = fuzz.below(5); // 0 and 4 are no kind
                input = fuzz.mutatedCoordinates(qBound(1, kind, 3));
                const qint32 index = fuzz.chance(50) ? fuzz.below(3) - 1 : 1000 + i;
                // Drawn one by one: argument order is unspecified, the seed's cases are not.
                const QString key = fuzz.number();
                const QString color = fuzz.chance(50) ? fuzz.number() : QString();
                const bool locked = fuzz.chance(50);
                z.ImportFigure(input, Zonecraft::DrawFigure(kind), key, color, locked, index);
                break;
            }
            case 2: {
                input = fuzz.mutatedCoordinates(3);
                const QString key = fuzz.number();
                const QString color = fuzz.chance(50) ? fuzz.number() : QString();
                z.DrawNewPolygon(input, key, color);
                break;
            }
            default: {
                QList<int> numbers;
                for (const QString& n : kept.keys())
                    numbers << n.toInt();
                std::sort(numbers.begin(), numbers.end()); // hash order varies per run
                moved = numbers.isEmpty() ? 1 : numbers.at(fuzz.below(int(numbers.size())));
                const QString kind = z.ExtractFigure(moved);
                input = fuzz.mutatedCoordinates(kind == QLatin1String("Rectangle") ? 1
                        : kind == QLatin1String("Circle")                          ? 2
                                                                                   : 3);
                z.FigureMove(moved, input);
                break;
            }
            }
        } catch (const RuntimeError& e) {
            ++errors;
            moved = 0; // a refused move changes nothing
            QVERIFY2(!e.description().isEmpty(), qPrintable(input));
        }
        const QString context = QStringLiteral("case %1, action %2, input \"%3\"")
                                    .arg(i)
                                    .arg(action)
                                    .arg(input.left(200));
        QVERIFY2(z.FigActivate_Loading() == Zonecraft::Ready, qPrintable(context));
        const QString after = z.ExportCode(Zonecraft::customcode);
        const QHash<QString, QString> now = linesByNumber(after);
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
            QVERIFY2(now.contains(it.key()),
                qPrintable(context + QStringLiteral(": lost ") + it.value()));
            if (it.key().toInt() != moved)
                QVERIFY2(now.value(it.key()) == it.value(), qPrintable(context));
        }
        QVERIFY2(after.startsWith(before) || moved != 0, qPrintable(context));

        // The export reads back, in a fresh control, to the same figures
        // (the third field carries the number as a key; numbers restart).
        fresh.z().Clear();
        QString reread;
        QStringList expected;
        for (const QString& line : after.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            reread += line + QStringLiteral("|0|False\r\n");
            expected << line.section(QLatin1Char('|'), 0, 1);
        }
        try {
            fresh.z().ImportCode(Zonecraft::customcode, reread);
        } catch (const RuntimeError& e) {
            QFAIL(qPrintable(context + QStringLiteral(": the export does not read back: ")
                + e.description() + QLatin1Char('\n') + after));
        }
        QStringList got;
        for (const QString& line : fresh.z()
                                       .ExportCode(Zonecraft::customcode)
                                       .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            got << line.section(QLatin1Char('|'), 0, 1);
        QVERIFY2(got == expected, qPrintable(context));
    }
    // Most mutated text is refused, but enough gets through to add figures.
    QVERIFY(errors > cases / 4 && errors < cases);
    qDebug("%d cases, %d refused, %lld ms", cases, errors, qint64(timer.elapsed()));
}

// A circle whose box a float cannot hold exactly would come back with
// another centre, and a radius near 2^31 would not read back at all.
void TestAreaCodeRobustness::circleBeyondFloatPrecisionIsRefused()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewCircle(16777000, 100, 216); // the largest exact box still fits
    z.ImportCode(Zonecraft::customcode, QStringLiteral("300,300,40|Circle|6||0\r\n"));
    const QString before = z.ExportCode(Zonecraft::customcode);
    QCOMPARE(before, QStringLiteral("16777000,100,216|Circle|1\r\n300,300,40|Circle|2\r\n"));
    const auto refused = [&](const std::function<void()>& call) {
        try {
            call();
            QFAIL("a huge circle was accepted");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 6);
        }
        QCOMPARE(z.ExportCode(Zonecraft::customcode), before);
        QCOMPARE(z.FigActivate_Loading(), Zonecraft::Ready);
    };
    refused([&] {
        z.ImportCode(Zonecraft::customcode, QStringLiteral("414,135,&H8000000F|Circle|1||0\r\n"));
    });
    refused([&] { z.ImportFigure(QStringLiteral("0,0,2147483647"), Zonecraft::ZELCIRCLE); });
    refused([&] { z.DrawNewCircle(16777000, 100, 217); });
    refused([&] { z.DrawNewCircle(0, -16777216, -1); });
    refused([&] { z.FigureMove(2, QStringLiteral("300,300,-2147483648")); });
}

QTEST_MAIN(TestAreaCodeRobustness)
#include "tst_areacoderobustness.moc"
