// Figure operations, undo and redo driven by a script, one call a line:
//
//   rect X1 Y1 X2 Y2      circle X Y R          poly TEXT
//   import KIND N TEXT    plain KIND N TEXT     (ImportFigure with N as
//                                               ImportIndex; plain records nothing)
//   move N TEXT           rotate N DEGREES      convert N KIND
//   adjust N COORD VALUE  delete N              remove N
//   cut N                 paste X Y             color N VALUE
//   select N              undo                  redo             forget
//
// A refused call (an error, ErrorTracer, or an undo or redo that shows its
// message) changes no export; after every call the export reads back in a
// fresh control to the same figures; at the end, undo and redo run out of
// records rather than stay blocked on one.

#include "ZonecraftChecks.h"

#include <QStringList>
#include <limits>

namespace {

qint32 integerArgument(const QStringList& words, int i)
{
    if (i >= words.size())
        return 0;
    bool ok = false;
    const qlonglong value = words.at(i).toLongLong(&ok);
    if (!ok)
        return 0;
    return qint32(std::clamp<qlonglong>(
        value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

/// Everything after the first \a count words of \a line.
QString textAfter(const QString& line, int count)
{
    qsizetype at = 0;
    for (int i = 0; i < count && at >= 0; ++i) {
        at = line.indexOf(u' ', at);
        if (at >= 0)
            ++at;
    }
    return at < 0 ? QString() : line.mid(at);
}

Zonecraft::DrawFigure kindArgument(const QStringList& words, int i)
{
    return Zonecraft::DrawFigure(integerArgument(words, i));
}

/// Runs one script line on \a z.
void run(Zonecraft& z, const QString& line)
{
    const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const QString& op = words.first();
    const auto n = [&](int i) { return integerArgument(words, i); };
    if (op == u"rect")
        z.DrawNewRectangle(n(1), n(2), n(3), n(4), {}, {}, false, false, false, 0, true);
    else if (op == u"circle")
        z.DrawNewCircle(n(1), n(2), n(3), {}, {}, false, false, false, 0, true);
    else if (op == u"poly")
        z.DrawNewPolygon(textAfter(line, 1), {}, {}, false, false, false, 0, true);
    else if (op == u"import" || op == u"plain")
        z.ImportFigure(
            textAfter(line, 3), kindArgument(words, 1), {}, {}, false, n(2), op == u"import");
    else if (op == u"move")
        z.FigureMove(n(1), textAfter(line, 2));
    else if (op == u"rotate")
        z.FigureRotate(words.value(2).toFloat(), n(1), true);
    else if (op == u"convert")
        z.FigureConvert(kindArgument(words, 2), n(1));
    else if (op == u"adjust")
        z.FigureAdjustSize(Zonecraft::FigureCord(n(2)), n(3), n(1));
    else if (op == u"delete")
        z.DeleteFigure(n(1));
    else if (op == u"remove")
        z.RemoveFigure(n(1));
    else if (op == u"cut")
        z.FigureCut(n(1));
    else if (op == u"paste")
        z.FigurePaste(n(1), n(2));
    else if (op == u"color")
        z.FigureColor(n(2), n(1));
    else if (op == u"select")
        z.ActivateHotspot(n(1));
    else if (op == u"undo")
        z.Undo();
    else if (op == u"redo")
        z.Redo();
    else if (op == u"forget")
        z.ClearHistory();
}

struct Exports
{
    QString separated;
    QString tags;
    bool operator==(const Exports&) const = default;
};

Exports exportsOf(const Zonecraft& z)
{
    return { z.ExportCode(Zonecraft::customcode), z.ExportCode(Zonecraft::ClientSide) };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    const QStringList lines = ZelFuzz::text(data, size).split(u'\n');

    Zonecraft z;
    ZelFuzz::preparePicture(z);
    bool refused = false;
    bool undoReady = false;
    bool redoReady = false;
    QObject::connect(&z, &Zonecraft::ErrorTracer, [&](qint32) { refused = true; });
    QObject::connect(&z, &Zonecraft::HistoryStatus, [&](bool undo, bool redo) {
        undoReady = undo;
        redoReady = redo;
    });

    const auto step = [&](const QString& line, const QString& where) {
        const Exports before = exportsOf(z);
        refused = false;
        QString reason;
        try {
            run(z, line);
        } catch (const RuntimeError& e) {
            refused = true;
            reason = QStringLiteral("error %1: %2").arg(e.number()).arg(e.description());
        }
        const QStringList messages = ZelFuzz::takeMessages();
        if (!messages.isEmpty()) {
            refused = true;
            reason = messages.join(u' ');
        }
        if (refused)
            ZEL_FUZZ_CHECK(exportsOf(z) == before,
                QStringLiteral("%1 was refused (%2) but changed the figures:\n%3\nbecame\n%4")
                    .arg(where, reason, before.tags, z.ExportCode(Zonecraft::ClientSide)));
        ZelFuzz::checkReadsBack(z, where);
    };

    int number = 0;
    for (const QString& raw : lines) {
        ++number;
        const QString line = raw.trimmed();
        step(line, QStringLiteral("line %1 (%2)").arg(number).arg(ZelFuzz::quoted(line)));
    }

    // Every record is applied or dropped in turn: the lists run out.
    const int records = int(lines.size()) + 1;
    for (int i = 0; i <= records && undoReady; ++i)
        step(QStringLiteral("undo"), QStringLiteral("the final undo %1").arg(i + 1));
    ZEL_FUZZ_CHECK(!undoReady,
        QStringLiteral("%1 undos after the script the undo list is still not empty").arg(records));
    for (int i = 0; i <= 2 * records && redoReady; ++i)
        step(QStringLiteral("redo"), QStringLiteral("the final redo %1").arg(i + 1));
    ZEL_FUZZ_CHECK(!redoReady,
        QStringLiteral("%1 redos after the undos the redo list is still not empty")
            .arg(2 * records));
    return 0;
}
