#include "codebox/CodeTokenizer_p.h"

#include <QImage>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <glyphon/Zel_CodeBox.h>

// Malformed and random rows: every call returns, every row is stored, and no
// character of a row is lost from its tokens.
class TestCodeBoxRobustness : public QObject
{
    Q_OBJECT

    static QString withoutSpaces(QString s) { return s.remove(u' '); }

    /// How many colours a paint of \a surface shows: one for a blank surface, more once any
    /// text, gutter or selection is drawn.
    static int coloursPainted(QWidget* surface)
    {
        const QImage image = surface->grab().toImage();
        if (image.size() != surface->size())
            return 0;
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        }
        return int(colours.size());
    }

    static QString randomRow(QRandomGenerator& random)
    {
        static const QStringList pieces = {
            QStringLiteral("<"),
            QStringLiteral(">"),
            QStringLiteral("\""),
            QStringLiteral("="),
            QStringLiteral(" "),
            QStringLiteral("a"),
            QStringLiteral("src="),
            QStringLiteral("<!--"),
            QStringLiteral("-->"),
            QStringLiteral(","),
            QStringLiteral("é"),
            QStringLiteral("中文"),
            QStringLiteral("\t"),
            QStringLiteral("&lt;"),
            QStringLiteral("&amp;"),
            QStringLiteral("\r\n"),
            QStringLiteral("<p>"),
            QStringLiteral("</td>"),
            QStringLiteral("😀"),
            QStringLiteral("   "),
            QStringLiteral("href='x'"),
        };
        QString row;
        const int length = int(random.bounded(40));
        for (int i = 0; i < length; ++i)
            row += pieces.at(random.bounded(int(pieces.size())));
        return row;
    }

private Q_SLOTS:
    void tokenizerKeepsEveryCharacter()
    {
        QRandomGenerator random(20261208);
        for (int i = 0; i < 20000; ++i) {
            const QString row = CodeTokenizer::normalizeEntities(randomRow(random));
            QString joined;
            for (const CodeToken& t : CodeTokenizer::tokenizeRow(row, i % 2)) {
                QVERIFY(!t.Text.isEmpty());
                joined += t.Text;
            }
            if (withoutSpaces(joined) != withoutSpaces(row))
                qWarning() << row;
            QCOMPARE(withoutSpaces(joined), withoutSpaces(row));
        }
    }

    void malformedRowsAreStoredAndShown()
    {
        const QStringList fixed = {
            QString(),
            QStringLiteral("<"),
            QStringLiteral(">"),
            QStringLiteral("<a href=\"never closed"),
            QStringLiteral("<a b=\"x\" c=\"y>"),
            QStringLiteral("<a ===== \"\"\"\" >"),
            QStringLiteral("<!-- no end"),
            QStringLiteral("<!---->"),
            QStringLiteral("<<<<>>>>"),
            QStringLiteral("= \" = \" ="),
            QStringLiteral("<img src=>"),
            QStringLiteral("<td a=1=2=3 b=\"4,5,,\">"),
            QString(20000, u'<'),
            QStringLiteral("<a ") + QString(5000, u'=') + u'>',
            QStringLiteral("<p title=\"") + QString(30000, u'x') + QStringLiteral("\">"),
        };
        Zel_CodeBox box;
        box.resize(500, 400);
        QRandomGenerator random(42);
        QStringList rows = fixed;
        for (int i = 0; i < 3000; ++i)
            rows << randomRow(random);
        for (int i = 0; i < rows.size(); ++i) {
            const auto type = (i % 17 == 0) ? Zel_CodeBox::Header
                : (i % 5 == 0)              ? Zel_CodeBox::Shadowed
                                            : Zel_CodeBox::App_Code;
            box.AddText(rows.at(i), QStringLiteral("key%1").arg(i),
                QStringLiteral("c%1").arg(i % 7), StdPicture(), type);
        }
        QCOMPARE(box.Count().toInt(), rows.size() - 1);
        box.setAutoRender(true);
        box.setSelectBGColor(0xFFFF00);
        // Every row can be read back, laid out and painted.
        for (int i = 0; i < rows.size(); ++i) {
            const qint32 index = box.ReturnKey(QStringLiteral("KEY%1").arg(i));
            QVERIFY(index >= 0);
            const CodeRow row = box.Row(index);
            if (row.AddType == Zel_CodeBox::Header)
                QCOMPARE(row.Value, rows.at(i));
            else
                QCOMPARE(row.Value, CodeTokenizer::normalizeEntities(rows.at(i)));
            QVERIFY(row.Height > 0);
        }
        auto* surface = box.findChild<QWidget*>(QStringLiteral("Picture1"));
        for (qint32 top : { 0, 3, 10, 500, 2000, 100000 }) {
            box.setTopIndex(top);
            box.setListIndex(std::min(top, box.Count().toInt()));
            QVERIFY(coloursPainted(surface) > 1);
        }
        box.resize(60, 60); // narrower than the text box
        QVERIFY(coloursPainted(surface) > 1);
        for (int i = 0; i < rows.size(); i += 3)
            box.EraseRow(QStringLiteral("key%1").arg(i));
        QCOMPARE(box.Count().toInt(), rows.size() - (rows.size() + 2) / 3 - 1);
        QVERIFY(coloursPainted(surface) > 1);
    }
};

QTEST_MAIN(TestCodeBoxRobustness)
#include "tst_codeboxrobustness.moc"
