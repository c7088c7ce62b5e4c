// The README's embedding snippets are quoted from the example programs: each
// block must stand in one of them line for line (at that file's indent), and
// every example must be quoted, so a change to either shows here.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString readText(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(fileName));
    return QString::fromUtf8(file.readAll());
}

// The ```cpp blocks of the README's section \a title.
QList<QStringList> codeBlocks(const QString& readme, const QString& title)
{
    const qsizetype start = readme.indexOf(QStringLiteral("\n## ") + title + QLatin1Char('\n'));
    if (start < 0)
        return {};
    qsizetype end = readme.indexOf(QStringLiteral("\n## "), start + 1);
    if (end < 0)
        end = readme.size();
    static const QRegularExpression fence(
        QStringLiteral("```cpp\\n(.*?)\\n```"), QRegularExpression::DotMatchesEverythingOption);
    QList<QStringList> blocks;
    auto it = fence.globalMatch(readme.mid(start, end - start));
    while (it.hasNext())
        blocks << it.next().captured(1).split(QLatin1Char('\n'));
    return blocks;
}

// Whether \a block stands in \a lines, each line behind one common indent.
bool quotes(const QStringList& lines, const QStringList& block)
{
    for (qsizetype at = 0; at + block.size() <= lines.size(); ++at) {
        const QString& first = lines.at(at);
        if (!first.endsWith(block.first()))
            continue;
        const QString indent = first.left(first.size() - block.first().size());
        if (!indent.trimmed().isEmpty())
            continue;
        bool all = true;
        for (qsizetype i = 1; all && i < block.size(); ++i) {
            const QString& line = block.at(i);
            all = lines.at(at + i) == (line.isEmpty() ? QString() : indent + line);
        }
        if (all)
            return true;
    }
    return false;
}

} // namespace

class TestReadmeSnippets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySnippetIsQuotedFromAnExample()
    {
        const QList<QStringList> blocks = codeBlocks(
            readText(QStringLiteral(README_PATH)), QStringLiteral("Embedding the controls"));
        QVERIFY(!blocks.isEmpty());

        QHash<QString, QStringList> examples;
        QDirIterator it(QStringLiteral(EXAMPLES_DIR), { QStringLiteral("*.cpp") }, QDir::Files,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            examples.insert(file, readText(file).split(QLatin1Char('\n')));
        }
        QVERIFY(!examples.isEmpty());

        QSet<QString> quoted;
        for (const QStringList& block : blocks) {
            bool found = false;
            for (auto e = examples.cbegin(); e != examples.cend(); ++e) {
                if (quotes(e.value(), block)) {
                    quoted.insert(e.key());
                    found = true;
                }
            }
            QVERIFY2(found,
                qPrintable(QStringLiteral("the README block starting \"%1\" is in no example")
                               .arg(block.first())));
        }
        for (auto e = examples.cbegin(); e != examples.cend(); ++e)
            QVERIFY2(
                quoted.contains(e.key()), qPrintable(e.key() + QStringLiteral(" is not quoted")));
    }
};

QTEST_GUILESS_MAIN(TestReadmeSnippets)
#include "tst_readme_snippets.moc"
