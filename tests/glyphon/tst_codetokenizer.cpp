#include "codebox/CodeTokenizer_p.h"

#include <QTest>

// Tokens as "kind:text" joined by "|", so a table row reads like the row.
static QString describe(const QList<CodeToken>& tokens)
{
    QStringList parts;
    for (const CodeToken& t : tokens)
        parts << QString::number(t.Kind) + u':' + t.Text;
    return parts.join(u'|');
}

class TestCodeTokenizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowTokens_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("shadowed");
        QTest::addColumn<QString>("expected");

        QTest::newRow("tag without space") << "<b>" << false << "5:<b>";
        QTest::newRow("quoted and bare values")
            << "<font color=\"#FF0000\" size=2>" << false
            << "4:<font|1: color=|2:\"#FF0000\"|1: size=|2:2|5:>";
        QTest::newRow("source value")
            << "<img src=\"a.gif\">" << false << "4:<img|1: src=|6:\"a.gif\"|5:>";
        QTest::newRow("SRC in capitals")
            << "<IMG SRC=\"b.png\">" << false << "4:<IMG|1: SRC=|6:\"b.png\"|5:>";
        QTest::newRow("comment words")
            << "<!-- old code -->" << false << "8:<!-- |8:old |8:code |8:--> ";
        QTest::newRow("comment without space") << "<!--comment-->" << false << "5:<!--comment-->";
        QTest::newRow("comma-separated value")
            << "<area coords=\"1,2,3\">" << false << "4:<area|1: coords=|2:\"1,|2:2,|2:3\"|5:>";
        QTest::newRow("source value with commas loses kind 6")
            << "<img src=\"a,b\">" << false << "4:<img|1: src=|2:\"a,|2:b\"|5:>";
        QTest::newRow("unquoted value before a quoted one")
            << "<td width=5 align=\"left\">" << false
            << "4:<td|1: width=|2:5|1: align=|2:\"left\"|5:>";
        QTest::newRow("text between and after tags")
            << "<p>Hello <b>world</b> end" << false << "5:<p>|3:Hello |5:<b>|3:world|5:</b>|3: end";
        QTest::newRow("shadowed text") << "<p>old</p>" << true << "5:<p>|7:old|5:</p>";
        QTest::newRow("only spaces between tags") << "<b> </b>" << false << "5:<b>|5:</b>";
        QTest::newRow("plain row") << "just text" << false << "3:just text";
        QTest::newRow("plain shadowed row") << "just text" << true << "7:just text";
        QTest::newRow("text before the first tag") << "abc<b>" << false << "3:abc|5:<b>";
        QTest::newRow("tail behind the element name")
            << "<hr noshade>" << false << "4:<hr|5: noshade>";
        QTest::newRow("tag never closed") << "<a href=\"x" << false << "3:<a href=\"x";
        QTest::newRow("lone less-than in text")
            << "a <b> c < d" << false << "3:a |5:<b>|3: c |3:< d";
        QTest::newRow("comment never closed") << "<!-- open" << false << "3:<!-- open";
        QTest::newRow("quote never closed")
            << "<a title=\"x>" << false << "4:<a|1: title=|2:\"x|5:>";
        QTest::newRow("attribute without value before one with")
            << "<input disabled value=\"x\">" << false << "4:<input|1: disabled value=|2:\"x\"|5:>";
        QTest::newRow("source value behind an attribute without value")
            << "<img ismap src=\"a.gif\">" << false << "4:<img|1: ismap src=|6:\"a.gif\"|5:>";
        QTest::newRow("source value right behind a quoted value")
            << "<img alt=\"x\"src=\"a.gif\">" << false
            << "4:<img|1: alt=|2:\"x\"|1:src=|6:\"a.gif\"|5:>";
        QTest::newRow("empty value") << "<a b=>" << false << "4:<a|1: b=|5:>";
        QTest::newRow("two equals signs") << "<a b=c=d>" << false << "4:<a|1: b=|2:c|1:=|2:d|5:>";
    }

    void rowTokens()
    {
        QFETCH(QString, row);
        QFETCH(bool, shadowed);
        QFETCH(QString, expected);
        QCOMPARE(describe(CodeTokenizer::tokenizeRow(row, shadowed)), expected);
    }

    void normalisation_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("stored");
        QTest::newRow("less-than") << "a &lt; b"
                                   << "a &#060; b";
        QTest::newRow("gt quot nbsp") << "&gt;&quot;&nbsp;"
                                      << "&#062;&#034;&#032;";
        QTest::newRow("copy deg") << "&copy; 5&deg;"
                                  << "&#169; 5&#176;";
        QTest::newRow("amp after lt") << "&amp;lt;"
                                      << "&#038;lt;";
        QTest::newRow("middot") << "a&middot;b"
                                << "a&#183;b";
        QTest::newRow("other entities stay") << "&eacute;&#8364;"
                                             << "&eacute;&#8364;";
        QTest::newRow("case-sensitive") << "&LT;"
                                        << "&LT;";
        QTest::newRow("tab") << "a\tb"
                             << "a b";
        QTest::newRow("CR LF") << "a\r\nb"
                               << "a b";
        QTest::newRow("eight spaces") << "a        b"
                                      << "a b";
        QTest::newRow("nine spaces") << "a         b"
                                     << "a  b";
        QTest::newRow("nothing to do") << "<p>x</p>"
                                       << "<p>x</p>";
    }

    void normalisation()
    {
        QFETCH(QString, input);
        QFETCH(QString, stored);
        QCOMPARE(CodeTokenizer::normalizeEntities(input), stored);
    }

    void tagId_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("id");
        QTest::newRow("attributes") << "<a href=x>"
                                    << "A";
        QTest::newRow("no space") << "<BR>"
                                  << "BR";
        QTest::newRow("closing") << "</p>"
                                 << "/P";
        QTest::newRow("spaces around") << " <p> "
                                       << "P";
        QTest::newRow("empty") << ""
                               << "";
    }

    void tagId()
    {
        QFETCH(QString, tag);
        QFETCH(QString, id);
        QCOMPARE(CodeTokenizer::tagId(tag), id);
    }
};

QTEST_GUILESS_MAIN(TestCodeTokenizer)
#include "tst_codetokenizer.moc"
