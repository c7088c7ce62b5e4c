// The undo and redo lists against a reference model: seeded random
// sequences of figure operations, undos and redos run on a Zonecraft and on
// a plain model of the two lists, compared after every step. A divergence
// is shrunk to the shortest sequence that still shows it, which is printed.

#include "ZonecraftTestSupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <map>
#include <optional>

namespace {

enum class OpKind { Add, Move, Delete, Convert, Remove, Plain, Undo, Redo };

/// One step; figures are named by their rank among the present ones, so a
/// shrunk sequence still names figures that exist.
struct Op
{
    OpKind kind = OpKind::Undo;
    int figureKind = 1; ///< Add, Plain, Convert
    QString text; ///< Add, Move, Plain: coordinates of the right kind
    QString key; ///< Add
    int target = 0; ///< Move, Delete, Convert, Remove: rank modulo the count
};

struct ModelFigure
{
    int kind = 0;
    QString text;
    QString key;
};

struct ModelRecord
{
    int action = 0;
    int index = 0;
    int kind = 0;
    QString coordinates;
    QString previous;
    ModelFigure shape;
};

int kindOfText(const QString& text)
{
    const qsizetype values = text.count(u',') + 1;
    return values == 4 ? 1 : values == 3 ? 2 : 3;
}

/// What the lists do, each rule as plainly as it can be put: a record holds
/// texts and a copy of the figure, undo plays its opposite and hands it to
/// the redo list with the texts exchanged, a conversion never moves, a new
/// move or delete empties the redo list, and a record that cannot be played
/// is reported and dropped.
class HistoryModel
{
public:
    std::map<int, ModelFigure> figures;
    std::vector<ModelRecord> undo, redo;

    void recordAdd(int number, const ModelFigure& f)
    {
        figures[number] = f;
        undo.push_back({ 1, number, f.kind, f.text, QStringLiteral("0"), f });
    }
    void recordMove(int number, const QString& text)
    {
        ModelFigure& f = figures.at(number);
        const QString before = f.text;
        f.text = text;
        undo.push_back({ 2, number, f.kind, text, before, f });
        redo.clear();
    }
    void recordDelete(int number)
    {
        const ModelFigure f = figures.at(number);
        figures.erase(number);
        undo.push_back({ 3, number, f.kind, f.text, QString(), f });
        redo.clear();
    }
    void recordConvert(int number, const ModelFigure& converted)
    {
        const ModelFigure old = figures.at(number);
        figures[number] = converted;
        undo.push_back({ 4, number, old.kind, old.text, converted.text, old });
    }

    /// Plays the top of one list; false when the record failed.
    bool step(bool isUndo)
    {
        auto& from = isUndo ? undo : redo;
        auto& to = isUndo ? redo : undo;
        if (from.empty())
            return true;
        ModelRecord r = from.back();
        from.pop_back();
        const QString& restore = isUndo ? r.coordinates : r.previous;
        const bool bringBack = (r.action == 1 && !isUndo) || (r.action == 3 && isUndo);
        const bool takeAway = (r.action == 1 && isUndo) || (r.action == 3 && !isUndo);
        if (bringBack) {
            if (figures.contains(r.index))
                return false;
            figures[r.index] = { r.kind, restore, r.shape.key };
        } else if (takeAway) {
            figures.erase(r.index);
        } else if (r.action == 2) {
            r.kind = kindOfText(r.previous);
            r.shape.kind = r.kind;
            figures[r.index] = { r.kind, r.previous, r.shape.key };
        } else if (r.action == 4) {
            figures[r.index] = r.shape;
            return true; // stays off the other list
        }
        std::swap(r.coordinates, r.previous);
        to.push_back(r);
        return true;
    }

    QStringList lines() const
    {
        static const char* const names[] = { "", "Rectangle", "Circle", "Polygon" };
        QStringList out;
        for (const auto& [number, f] : figures)
            out << QStringLiteral("%1|%2|%3").arg(f.text, QLatin1String(names[f.kind])).arg(number);
        return out;
    }
};

QString randomText(QRandomGenerator& rng, int kind)
{
    const auto n = [&](int low, int high) { return QString::number(rng.bounded(low, high)); };
    switch (kind) {
    case 1: {
        const int x = rng.bounded(0, 300), y = rng.bounded(0, 300);
        return QStringLiteral("%1,%2,%3,%4")
            .arg(x)
            .arg(y)
            .arg(x + rng.bounded(1, 200))
            .arg(y + rng.bounded(1, 150));
    }
    case 2:
        return n(20, 400) + u',' + n(20, 300) + u',' + n(1, 60);
    default: {
        QStringList values;
        const int vertices = rng.bounded(3, 6);
        for (int i = 0; i < vertices; ++i)
            values << n(0, 500) << n(0, 400);
        return values.join(u',');
    }
    }
}

std::vector<Op> randomSequence(QRandomGenerator& rng, int length)
{
    std::vector<Op> ops;
    for (int i = 0; i < length; ++i) {
        Op op;
        const int roll = rng.bounded(100);
        op.kind = roll < 20 ? OpKind::Add
            : roll < 32     ? OpKind::Move
            : roll < 40     ? OpKind::Delete
            : roll < 46     ? OpKind::Convert
            : roll < 50     ? OpKind::Remove
            : roll < 54     ? OpKind::Plain
            : roll < 80     ? OpKind::Undo
                            : OpKind::Redo;
        op.figureKind = rng.bounded(1, 4);
        op.text = randomText(rng, op.figureKind);
        op.key = QStringLiteral("k%1").arg(rng.bounded(1000));
        op.target = rng.bounded(1000);
        ops.push_back(op);
    }
    return ops;
}

QString describe(const Op& op)
{
    switch (op.kind) {
    case OpKind::Add:
        return QStringLiteral("add kind %1 %2 key %3").arg(op.figureKind).arg(op.text, op.key);
    case OpKind::Move:
        return QStringLiteral("move figure #%1 to %2 (same kind)").arg(op.target).arg(op.text);
    case OpKind::Delete:
        return QStringLiteral("delete figure #%1").arg(op.target);
    case OpKind::Convert:
        return QStringLiteral("convert figure #%1 to kind %2").arg(op.target).arg(op.figureKind);
    case OpKind::Remove:
        return QStringLiteral("remove figure #%1 (no record)").arg(op.target);
    case OpKind::Plain:
        return QStringLiteral("import kind %1 %2 under the lowest free number (no record)")
            .arg(op.figureKind)
            .arg(op.text);
    case OpKind::Undo:
        return QStringLiteral("undo");
    case OpKind::Redo:
        return QStringLiteral("redo");
    }
    return {};
}

QStringList sortedExport(const Zonecraft& z)
{
    QStringList lines = z.ExportCode(Zonecraft::customcode).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    const auto number = [](const QString& line) { return line.section(u'|', -1).toInt(); };
    std::sort(lines.begin(), lines.end(),
        [&](const QString& a, const QString& b) { return number(a) < number(b); });
    return lines;
}

struct Counts
{
    int steps = 0;
    int records = 0;
    int undos = 0;
    int redos = 0;
};

/// Runs \a ops on a fresh control and model; the first divergence, if any.
std::optional<QString> divergence(const std::vector<Op>& ops, Counts* counts = nullptr)
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    bool undoReady = false, redoReady = false;
    QObject::connect(&z, &Zonecraft::HistoryStatus, [&](bool u, bool r) {
        undoReady = u;
        redoReady = r;
    });
    HistoryModel model;
    for (size_t i = 0; i < ops.size(); ++i) {
        const Op& op = ops[i];
        const int present = int(model.figures.size());
        int number = 0;
        if (present > 0) {
            auto it = model.figures.begin();
            std::advance(it, op.target % present);
            number = it->first;
        }
        const bool needsFigure = op.kind == OpKind::Move || op.kind == OpKind::Delete
            || op.kind == OpKind::Convert || op.kind == OpKind::Remove;
        if (needsFigure && number == 0)
            continue;
        const qsizetype messagesBefore = fx.messages.size();
        bool modelFailed = false;
        switch (op.kind) {
        case OpKind::Add:
            z.ImportFigure(
                op.text, Zonecraft::DrawFigure(op.figureKind), op.key, {}, false, -1, true);
            model.recordAdd(z.SelectedIndex(), { op.figureKind, op.text, op.key });
            break;
        case OpKind::Move: {
            const int kind = model.figures.at(number).kind;
            const QString text = kind == op.figureKind ? op.text : QString();
            if (text.isEmpty())
                continue; // a move keeps the kind; this one would not
            z.FigureMove(number, text);
            model.recordMove(number, text);
            break;
        }
        case OpKind::Delete:
            z.DeleteFigure(number);
            model.recordDelete(number);
            break;
        case OpKind::Convert: {
            if (op.figureKind == 3 && model.figures.at(number).kind == 3)
                continue; // polygon to polygon does nothing
            z.FigureConvert(Zonecraft::DrawFigure(op.figureKind), number);
            // How a conversion reshapes is not the history's business: the
            // model takes the figure the control made.
            ModelFigure converted { op.figureKind, QString(), model.figures.at(number).key };
            for (const QString& l : sortedExport(z))
                if (l.section(u'|', -1).toInt() == number)
                    converted.text = l.section(u'|', 0, 0);
            model.recordConvert(number, converted);
            break;
        }
        case OpKind::Remove:
            z.RemoveFigure(number);
            model.figures.erase(number);
            break;
        case OpKind::Plain: {
            int free = 1;
            while (model.figures.contains(free))
                ++free;
            z.ImportFigure(
                op.text, Zonecraft::DrawFigure(op.figureKind), {}, {}, false, free, false);
            model.figures[free] = { op.figureKind, op.text, QString() };
            break;
        }
        case OpKind::Undo:
        case OpKind::Redo: {
            const bool isUndo = op.kind == OpKind::Undo;
            const bool ready = isUndo ? !model.undo.empty() : !model.redo.empty();
            modelFailed = !model.step(isUndo);
            if (isUndo)
                z.Undo();
            else
                z.Redo();
            if (counts && ready)
                ++(isUndo ? counts->undos : counts->redos);
            break;
        }
        }
        if (counts) {
            ++counts->steps;
            if (op.kind == OpKind::Add || op.kind == OpKind::Move || op.kind == OpKind::Delete
                || op.kind == OpKind::Convert)
                ++counts->records;
        }

        const auto where = [&](const QString& what) {
            return QStringLiteral("after step %1 (%2): %3").arg(i + 1).arg(describe(op), what);
        };
        const bool controlFailed = fx.messages.size() > messagesBefore;
        if (controlFailed != modelFailed)
            return where(controlFailed
                    ? QStringLiteral("the control showed \"%1\", the model played it")
                          .arg(fx.messages.last())
                    : QStringLiteral("the model refused the record, the control played it"));
        const QStringList expected = model.lines();
        const QStringList actual = sortedExport(z);
        if (expected != actual)
            return where(QStringLiteral("the figures are\n  %1\nthe model has\n  %2")
                             .arg(actual.join(QStringLiteral("\n  ")),
                                 expected.join(QStringLiteral("\n  "))));
        for (const auto& [n, f] : model.figures)
            if (z.ExtractKey(n) != f.key)
                return where(QStringLiteral("figure %1 has the key \"%2\", the model \"%3\"")
                                 .arg(n)
                                 .arg(z.ExtractKey(n), f.key));
        if (undoReady != !model.undo.empty() || redoReady != !model.redo.empty())
            return where(
                QStringLiteral("HistoryStatus(%1, %2), the model holds %3 undo and %4 redo records")
                    .arg(undoReady)
                    .arg(redoReady)
                    .arg(model.undo.size())
                    .arg(model.redo.size()));
    }
    return std::nullopt;
}

/// Drops steps, one at a time, while the divergence stays.
std::vector<Op> shrink(std::vector<Op> ops)
{
    for (bool smaller = true; smaller;) {
        smaller = false;
        for (size_t i = 0; i < ops.size(); ++i) {
            std::vector<Op> shorter = ops;
            shorter.erase(shorter.begin() + qsizetype(i));
            if (divergence(shorter)) {
                ops = std::move(shorter);
                smaller = true;
                break;
            }
        }
    }
    return ops;
}

} // namespace

class TestHistoryModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomSequencesFollowTheModel();
};

void TestHistoryModel::randomSequencesFollowTheModel()
{
    constexpr int sequences = 300;
    constexpr int length = 40;
    QRandomGenerator rng(20261209);
    Counts counts;
    for (int s = 0; s < sequences; ++s) {
        const std::vector<Op> ops = randomSequence(rng, length);
        if (const auto found = divergence(ops, &counts)) {
            const std::vector<Op> shortest = shrink(ops);
            QString script;
            for (const Op& op : shortest)
                script += QStringLiteral("\n  ") + describe(op);
            QFAIL(qPrintable(
                QStringLiteral("sequence %1 diverges %2\nshortest sequence:%3\nwhich diverges %4")
                    .arg(s)
                    .arg(*found, script, divergence(shortest).value_or(QString()))));
        }
    }
    qInfo("%d sequences, %d steps: %d records made, %d undo and %d redo steps played", sequences,
        counts.steps, counts.records, counts.undos, counts.redos);
    // The generator must reach every part of the lists, or the model proves little.
    QVERIFY(counts.undos > 1000);
    QVERIFY(counts.redos > 500);
}

QTEST_MAIN(TestHistoryModel)
#include "tst_historymodel.moc"
