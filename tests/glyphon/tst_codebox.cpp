#include <PropertyRoundTrip.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <TestSupport.h>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <glyphon/Zel_CodeBox.h>

using ReturnKeySignal = void (Zel_CodeBox::*)(const QString&, const QString&);
static constexpr ReturnKeySignal returnKeySignal = &Zel_CodeBox::ReturnKey;

class TestCodeBox : public QObject
{
    Q_OBJECT

    static QStringList lineNumbers(const Zel_CodeBox& box)
    {
        QStringList out;
        for (qint32 i = 0; i <= box.Count().toInt(); ++i) {
            const CodeRow row = box.Row(i);
            out << row.Key + u'=' + QString::number(row.LineNumber);
        }
        return out;
    }

    static QWidget* surface(Zel_CodeBox& box)
    {
        return box.findChild<QWidget*>(QStringLiteral("Picture1"));
    }

private Q_SLOTS:
    void countAndValues()
    {
        Zel_CodeBox box;
        QCOMPARE(box.Count().toInt(), -1);
        box.AddText(QStringLiteral("a &lt; b\tc"), QStringLiteral("k"), QString());
        QCOMPARE(box.Count().toInt(), 0);
        QCOMPARE(box.ItemValue(0).toString(), QStringLiteral("a &#060; b c"));
        QCOMPARE(box.ExtractRow(0), QStringLiteral("a &#060; b c"));
        QCOMPARE(box.ItemKey(0).toString(), QStringLiteral("k"));
        QCOMPARE(box.Count_TotalLines(), 1);
        // The spare slot behind the last row reads empty; beyond it is out of range.
        QCOMPARE(box.ExtractRow(1), QString());
        QCOMPARE(errorOf([&] { box.ExtractRow(2); }), 9);
        QCOMPARE(errorOf([&] { box.ItemValue(-1); }), 9);
        QCOMPARE(errorOf([&] { box.ItemKey(7); }), 9);
    }

    void headerRowsAreStoredAsPassed()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("Head &lt;"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<p>"), QStringLiteral("c"), QString());
        const CodeRow header = box.Row(0);
        QCOMPARE(header.Value, QStringLiteral("Head &lt;"));
        QVERIFY(header.Tokens.isEmpty());
        QCOMPARE(header.LineNumber, 0);
        QVERIFY(header.Height > 4);
        QCOMPARE(box.Row(1).LineNumber, 1); // headers do not take a number
        QVERIFY(box.Row(1).Tokens.size() == 1);
    }

    void hiddenTextAndShadowedRows()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("<p>a</p>"), QStringLiteral("a"), QString());
        box.AddText(QStringLiteral("note\twith tab"), QStringLiteral("n"), QString(), StdPicture(),
            Zel_CodeBox::app_HiddenText);
        box.AddText(QStringLiteral("<p>b</p>"), QStringLiteral("b"), QString(), StdPicture(),
            Zel_CodeBox::Shadowed);
        const CodeRow hidden = box.Row(1);
        QCOMPARE(hidden.Value, QStringLiteral("note\twith tab")); // stored as passed
        QCOMPARE(hidden.LineNumber, 0);
        QVERIFY(hidden.Tokens.isEmpty());
        const CodeRow shadowed = box.Row(2);
        QVERIFY(shadowed.Shadowed);
        QCOMPARE(shadowed.LineNumber, 2);
        QCOMPARE(shadowed.Tokens.at(1).Kind, qint32(Zel_CodeBox::ShadowedText));
        QVERIFY(!box.Row(0).Shadowed);
    }

    void keysIgnoreCase()
    {
        Zel_CodeBox box;
        QSignalSpy errors(&box, &Zel_CodeBox::Error);
        box.AddText(QStringLiteral("one"), QStringLiteral("row1"), QString());
        box.AddText(QStringLiteral("two"), QStringLiteral("ROW1"), QString());
        box.AddText(QStringLiteral("three"), QString(), QString());
        QCOMPARE(errors.count(), 2);
        QCOMPARE(errors.at(0).at(0).toInt(), 1);
        QCOMPARE(box.Count().toInt(), 0);
        QVERIFY(!box.CheckKeyOK(QStringLiteral("Row1")));
        QVERIFY(!box.CheckKeyOK(QString()));
        QVERIFY(box.CheckKeyOK(QStringLiteral("row2")));
        QCOMPARE(box.ReturnKey(QStringLiteral("RoW1")), 0);
        QCOMPARE(box.ReturnKey(QStringLiteral("nope")), -1);

        box.AddText(QStringLiteral("two"), QStringLiteral("row2"), QString());
        box.ChangeKey(QStringLiteral("ROW2"), QStringLiteral("row1"));
        QCOMPARE(errors.count(), 3);
        box.ChangeKey(QStringLiteral("ROW2"), QStringLiteral("second"));
        QCOMPARE(box.ReturnKey(QStringLiteral("SECOND")), 1);
        QCOMPARE(box.ReturnKey(QStringLiteral("row2")), -1);
        QVERIFY(box.CheckKeyOK(QStringLiteral("row2")));
    }

    void insertionByCategory()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("a1"), QStringLiteral("a1"), QStringLiteral("A"));
        box.AddText(QStringLiteral("a2"), QStringLiteral("a2"), QStringLiteral("A"));
        box.AddText(QStringLiteral("b1"), QStringLiteral("b1"), QStringLiteral("B"));
        box.AddText(QStringLiteral("b2"), QStringLiteral("b2"), QStringLiteral("B"));
        box.AddText(QStringLiteral("a3"), QStringLiteral("a3"), QStringLiteral("a"));
        QCOMPARE(lineNumbers(box), QStringList({ "a1=1", "a2=2", "a3=3", "b1=4", "b2=5" }));
        for (qint32 i = 0; i <= 4; ++i)
            QCOMPARE(box.Row(i).Index, i);
        QVERIFY(box.CategoryExist(QStringLiteral("b")));
        QVERIFY(!box.CategoryExist(QStringLiteral("C")));
        // An uncategorised row and a new category append, and numbering continues.
        box.AddText(QStringLiteral("x"), QStringLiteral("x"), QString());
        box.AddText(QStringLiteral("c1"), QStringLiteral("c1"), QStringLiteral("C"));
        QCOMPARE(box.Row(5).LineNumber, 6);
        QCOMPARE(box.Row(6).Key, QStringLiteral("c1"));
        QCOMPARE(box.Row(6).LineNumber, 7);
        QCOMPARE(box.Row(6).Category, QStringLiteral("C"));
    }

    void insertionBehindHeaderSection()
    {
        // Sections as the studio builds them: a header row then its lines.
        Zel_CodeBox box;
        box.AddText(QStringLiteral("Head"), QStringLiteral("h1"), QStringLiteral("head"),
            StdPicture(), Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<head>"), QStringLiteral("l1"), QStringLiteral("head"));
        box.AddText(QStringLiteral("Body"), QStringLiteral("h2"), QStringLiteral("body"),
            StdPicture(), Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<body>"), QStringLiteral("l2"), QStringLiteral("body"));
        box.AddText(QStringLiteral("<title>"), QStringLiteral("l3"), QStringLiteral("head"));
        QCOMPARE(lineNumbers(box), QStringList({ "h1=0", "l1=1", "l3=2", "h2=0", "l2=3" }));
        box.AddText(QStringLiteral("</body>"), QStringLiteral("l4"), QString());
        QCOMPARE(box.Row(5).LineNumber, 4);
    }

    void interleavedCategoriesMatchTheSimpleRule()
    {
        // The rows of many categories, added out of order, against a plain
        // list that applies the rule directly: behind the first run of the
        // category, else at the end. Enough rows to fill several storage blocks.
        struct Model
        {
            QString key;
            QString category;
            bool header;
        };
        QList<Model> model;
        Zel_CodeBox box;
        QRandomGenerator random(7);
        for (int i = 0; i < 5000; ++i) {
            const QString category
                = (i % 11 == 0) ? QString() : QStringLiteral("C%1").arg(random.bounded(9));
            const bool header = i % 13 == 0;
            const QString key = QStringLiteral("k%1").arg(i);
            qsizetype pos = model.size();
            if (!category.isEmpty()) {
                qsizetype first = -1;
                for (qsizetype j = 0; j < model.size(); ++j) {
                    if (model[j].category.compare(category, Qt::CaseInsensitive) == 0) {
                        first = j;
                        break;
                    }
                }
                if (first >= 0) {
                    pos = first;
                    while (pos < model.size()
                        && model[pos].category.compare(category, Qt::CaseInsensitive) == 0)
                        ++pos;
                }
            }
            model.insert(pos, Model { key, category, header });
            box.AddText(QStringLiteral("<p>"), key, category, StdPicture(),
                header ? Zel_CodeBox::Header : Zel_CodeBox::App_Code);
            if (i % 500 == 0) // lookups between additions
                QCOMPARE(box.ReturnKey(key), qint32(pos));
        }
        QCOMPARE(box.Count().toInt(), model.size() - 1);
        qint32 number = 0;
        for (qint32 i = 0; i < model.size(); ++i) {
            QCOMPARE(box.ItemKey(i).toString(), model[i].key);
            QCOMPARE(box.ReturnKey(model[i].key.toUpper()), i);
            QCOMPARE(box.Row(i).LineNumber, model[i].header ? 0 : ++number);
        }
        box.EraseRow(QStringLiteral("k10"));
        QCOMPARE(box.ReturnKey(QStringLiteral("k10")), -1);
        QCOMPARE(box.Count().toInt(), model.size() - 2);
    }

    void currentRowFollowsInsertion()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("A"));
        box.AddText(QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("B"));
        box.setListIndex(1);
        box.AddText(QStringLiteral("a2"), QStringLiteral("a2"), QStringLiteral("A"));
        QCOMPARE(box.ListIndex(), 2);
        QCOMPARE(box.ItemKey(box.ListIndex()).toString(), QStringLiteral("b"));
    }

    void eraseRenumbers()
    {
        Zel_CodeBox box;
        box.AddText(
            QStringLiteral("H"), QStringLiteral("h"), QString(), StdPicture(), Zel_CodeBox::Header);
        for (int i = 1; i <= 4; ++i)
            box.AddText(QStringLiteral("r"), QStringLiteral("r%1").arg(i), QString());
        box.setListIndex(2);
        box.EraseRow(QStringLiteral("R2"));
        QCOMPARE(lineNumbers(box), QStringList({ "h=0", "r1=1", "r3=2", "r4=3" }));
        QCOMPARE(box.ListIndex(), -1);
        QCOMPARE(box.Count_TotalLines(), 4);
        box.EraseRow(QStringLiteral("unknown"));
        QCOMPARE(box.Count().toInt(), 3);
        box.AddText(QStringLiteral("r"), QStringLiteral("r5"), QString());
        QCOMPARE(box.Row(4).LineNumber, 4);
        QCOMPARE(box.ReturnKey(QStringLiteral("r5")), 4);
        QCOMPARE(box.ReturnKey(QStringLiteral("r4")), 3);
        // DeleteRow removes too.
        box.DeleteRow(QStringLiteral("r1"));
        QCOMPARE(lineNumbers(box), QStringList({ "h=0", "r3=1", "r4=2", "r5=3" }));
    }

    void clearRestarts()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("A"));
        box.AddText(QStringLiteral("b"), QStringLiteral("b"), QString());
        box.setListIndex(1);
        box.Clear();
        QCOMPARE(box.Count().toInt(), -1);
        QCOMPARE(box.ListIndex(), -1);
        QCOMPARE(box.Count_TotalLines(), 2); // Clear leaves the running count alone
        box.AddText(QStringLiteral("c"), QStringLiteral("c"), QString());
        QCOMPARE(box.Count_TotalLines(), 3);
        box.Clear();
        QVERIFY(!box.CategoryExist(QStringLiteral("A")));
        QVERIFY(box.CheckKeyOK(QStringLiteral("a")));
        box.AddText(QStringLiteral("a"), QStringLiteral("a"), QString());
        QCOMPARE(box.Row(0).LineNumber, 1);
    }

    void rowsAsAddedWithoutNormalisation()
    {
        Zel_CodeBox box;
        QSignalSpy changed(&box, &Zel_CodeBox::NormalizeEntitiesChanged);
        QVERIFY(box.NormalizeEntities());
        box.AddText(QStringLiteral("a &lt;\tb"), QStringLiteral("n"), QString());
        box.setNormalizeEntities(false);
        box.setNormalizeEntities(false);
        QCOMPARE(changed.count(), 1);
        const QString page = QStringLiteral("<p>a &lt;  &amp;\tb&nbsp;\r\n</p>");
        box.AddText(page, QStringLiteral("raw"), QString());
        box.AddText(page, QStringLiteral("shadow"), QString(), StdPicture(), Zel_CodeBox::Shadowed);
        QCOMPARE(box.ExtractRow(0), QStringLiteral("a &#060; b")); // rows already added keep theirs
        QCOMPARE(box.ExtractRow(1), page);
        QCOMPARE(box.ExtractRow(2), page);
        QString joined;
        for (const CodeToken& t : box.Row(1).Tokens)
            joined += t.Text;
        QCOMPARE(joined, page);

        // Stored with the other options; absent from a bag it reads as on.
        PropertyBag bag;
        box.WriteProperties(bag);
        Zel_CodeBox reloaded;
        reloaded.ReadProperties(bag);
        QVERIFY(!reloaded.NormalizeEntities());
        PropertyBag defaults;
        Zel_CodeBox fresh;
        fresh.InitProperties();
        fresh.WriteProperties(defaults);
        QVERIFY(!defaults.contains(QStringLiteral("NormalizeEntities")));
        reloaded.ReadProperties(defaults);
        QVERIFY(reloaded.NormalizeEntities());
    }

    void copyPutsTheCurrentRowOnTheClipboard()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        Zel_CodeBox box;
        box.setNormalizeEntities(false);
        box.AddText(QStringLiteral("<b>x &amp; y</b>"), QStringLiteral("a"), QString());
        box.AddText(QStringLiteral("Head"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        box.Copy(); // no current row
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        box.setListIndex(0);
        QTest::keyClick(surface(box), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("<b>x &amp; y</b>"));
        QCOMPARE(box.ListIndex(), 0);
        box.setListIndex(1);
        QVERIFY(QMetaObject::invokeMethod(&box, "Copy"));
        QCOMPARE(clipboard->text(), QStringLiteral("Head"));
    }

    void changeAndModify()
    {
        Zel_CodeBox box;
        QCOMPARE(errorOf([&] { box.ModifyItem(0, QStringLiteral("x")); }), 381);
        box.AddText(QStringLiteral("<b>x</b>"), QStringLiteral("k"), QString());
        box.ChangeRow(QStringLiteral("K"), QStringLiteral("<i>&lt;</i>"));
        QCOMPARE(box.ExtractRow(0), QStringLiteral("<i>&lt;</i>")); // not normalised
        QCOMPARE(box.Row(0).Tokens.size(), 3);
        box.ChangeRow(QStringLiteral("unknown"), QStringLiteral("y"));
        box.ModifyItem(0, 0);
        QCOMPARE(box.ExtractRow(0), QStringLiteral("<i>&lt;</i>"));
        box.ModifyItem(0, 42);
        QCOMPARE(box.ExtractRow(0), QStringLiteral("42"));
        box.ModifyItem(0, QStringLiteral("<p>"));
        QCOMPARE(box.Row(0).Tokens.at(0).Text, QStringLiteral("<p>"));
        QCOMPARE(errorOf([&] { box.ModifyItem(1, QStringLiteral("spare")); }), 381);
        QCOMPARE(errorOf([&] { box.ModifyItem(-1, QStringLiteral("x")); }), 381);
    }

    void listIndexAndSelectItem()
    {
        Zel_CodeBox box;
        QCOMPARE(errorOf([&] { box.setListIndex(0); }), 380);
        box.AddText(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("cat"));
        box.AddText(QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("cat"));
        QSignalSpy changes(&box, &Zel_CodeBox::ListIndexChange);
        QSignalSpy returned(&box, returnKeySignal);
        box.setListIndex(1);
        QCOMPARE(box.ListIndex(), 1);
        QCOMPARE(errorOf([&] { box.setListIndex(2); }), 380);
        QCOMPARE(errorOf([&] { box.setListIndex(-2); }), 380);
        QCOMPARE(box.ListIndex(), 1);
        box.setListIndex(-1);
        QCOMPARE(box.ListIndex(), -1);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(returned.count(), 0);

        box.SelectItem(QStringLiteral("A"));
        QCOMPARE(box.ListIndex(), 0);
        QCOMPARE(returned.count(), 0);
        box.SelectItem(QStringLiteral("B"), true);
        QCOMPARE(returned.count(), 1);
        QCOMPARE(returned.at(0).at(0).toString(), QStringLiteral("b"));
        QCOMPARE(returned.at(0).at(1).toString(), QStringLiteral("cat"));
        QCOMPARE(errorOf([&] { box.SelectItem(QStringLiteral("zz")); }), 9);
        QCOMPARE(errorOf([&] { box.LineLock(QStringLiteral("zz"), true); }), 9);
        box.LineLock(QStringLiteral("a"), true);
        QVERIFY(box.Row(0).Locked);
        box.LineLock(QStringLiteral("a"), false, true);
        QVERIFY(!box.Row(0).Locked);
        QVERIFY(box.Row(0).Dirty); // until it is painted: the box is not shown
    }

    void keysMoveListIndex()
    {
        Zel_CodeBox box;
        box.resize(400, 200);
        for (int i = 0; i < 100; ++i)
            box.AddText(QStringLiteral("<p>row %1</p>").arg(i), QStringLiteral("k%1").arg(i),
                QStringLiteral("c"));
        box.setAutoRender(true);
        QWidget* s = surface(box);
        QSignalSpy returned(&box, returnKeySignal);

        // No current row: keys do nothing.
        QTest::keyClick(s, Qt::Key_Down);
        QCOMPARE(box.ListIndex(), -1);
        QCOMPARE(returned.count(), 0);

        box.setListIndex(0);
        QTest::keyPress(s, Qt::Key_Up);
        QCOMPARE(box.ListIndex(), 0);
        QCOMPARE(returned.count(), 0); // not on key down
        QTest::keyRelease(s, Qt::Key_Up);
        QCOMPARE(returned.count(), 1); // the release reports the current row
        QCOMPARE(returned.at(0).at(0).toString(), QStringLiteral("k0"));

        QTest::keyClick(s, Qt::Key_Down);
        QCOMPARE(box.ListIndex(), 1);
        QCOMPARE(returned.last().at(0).toString(), QStringLiteral("k1"));
        const qint32 span = box.VisibleRowSpan();
        QVERIFY(span > 2 && span < 20);
        QTest::keyClick(s, Qt::Key_PageDown);
        QCOMPARE(box.ListIndex(), 1 + span);
        // The current row is scrolled into view.
        QVERIFY(box.TopIndex() <= box.ListIndex());
        QVERIFY(box.ListIndex() < box.TopIndex() + box.VisibleRowSpan());
        QSignalSpy rowNotices(&box, &Zel_CodeBox::ListIndexChanged);
        QSignalSpy topNotices(&box, &Zel_CodeBox::TopIndexChanged);
        QTest::keyClick(s, Qt::Key_End);
        QCOMPARE(box.ListIndex(), 99);
        QVERIFY(box.TopIndex() + box.VisibleRowSpan() > 99);
        // Keys that move the row and scroll notify bindings once each; a key that moves
        // nothing notifies nothing.
        QCOMPARE(rowNotices.count(), 1);
        QCOMPARE(rowNotices.first().first().toInt(), 99);
        QCOMPARE(topNotices.count(), 1);
        QCOMPARE(topNotices.first().first().toInt(), box.TopIndex());
        QTest::keyClick(s, Qt::Key_Down);
        QCOMPARE(box.ListIndex(), 99);
        QCOMPARE(rowNotices.count(), 1);
        QCOMPARE(topNotices.count(), 1);
        QTest::keyClick(s, Qt::Key_PageUp);
        QCOMPARE(box.ListIndex(), 99 - span);
        QTest::keyClick(s, Qt::Key_Home);
        QCOMPARE(box.ListIndex(), 0);
        QCOMPARE(box.TopIndex(), 0);
        QTest::keyClick(s, Qt::Key_PageUp);
        QCOMPARE(box.ListIndex(), 0);
        // Other keys report nothing.
        const auto before = returned.count();
        QTest::keyClick(s, Qt::Key_A);
        QCOMPARE(returned.count(), before);
    }

    void pageKeysMoveByTheRowsAboveTheBottomEdge()
    {
        // A surface exactly six rows high: the sixth row reaches the bottom
        // edge and ends the count, so a page is five rows.
        Zel_CodeBox box;
        box.setAutoRender(true);
        for (int i = 0; i < 30; ++i)
            box.AddText(QStringLiteral("<p>row</p>"), QStringLiteral("k%1").arg(i), QString());
        const int rowHeight = box.Row(0).Height;
        box.resize(300, 6 * rowHeight + 4); // 2-pixel border on each side
        QCOMPARE(box.AreaTextHeight(), 6 * rowHeight);
        QCOMPARE(box.VisibleRowSpan(), 5);
        QVERIFY(box.Scroll_Visible());
        box.setListIndex(0);
        QTest::keyClick(surface(box), Qt::Key_PageDown);
        QCOMPARE(box.ListIndex(), 5);
        QCOMPARE(box.TopIndex(), 0); // row 5 ends exactly at the bottom: still shown whole
        // One pixel more and six rows end above the edge.
        box.resize(300, 6 * rowHeight + 5);
        QCOMPARE(box.VisibleRowSpan(), 6);
        // Rows that end exactly at the bottom need no scroll bar, but reach the edge.
        Zel_CodeBox exact;
        exact.setAutoRender(true);
        for (int i = 0; i < 6; ++i)
            exact.AddText(QStringLiteral("<p>row</p>"), QStringLiteral("k%1").arg(i), QString());
        exact.resize(300, 6 * rowHeight + 4);
        QVERIFY(exact.findChild<QWidget*>(QStringLiteral("VScroll1"))->isHidden());
        QVERIFY(exact.Scroll_Visible());
        QCOMPARE(exact.VisibleRowSpan(), 5);
    }

    void keyEventsCarryHostCodes()
    {
        Zel_CodeBox box;
        box.resize(200, 100);
        QSignalSpy down(&box, &Zel_CodeBox::KeyDown);
        QSignalSpy up(&box, &Zel_CodeBox::KeyUp);
        QWidget* s = surface(box);
        QTest::keyClick(s, Qt::Key_Down, Qt::ShiftModifier);
        // '-' and '.' share their character numbers with Insert and Delete,
        // but have key codes of their own.
        QTest::keyClick(s, Qt::Key_Minus);
        QTest::keyClick(s, Qt::Key_Period, Qt::ControlModifier);
        // A click with a modifier also presses and releases the modifier's own key.
        auto codes = [](const QSignalSpy& spy, int column) {
            QList<int> out;
            for (const QList<QVariant>& args : spy)
                out.append(args.at(column).value<qint16>());
            return out;
        };
        QCOMPARE(codes(down, 0), QList<int>({ 16, 40, 0xBD, 17, 0xBE }));
        QCOMPARE(codes(down, 1).mid(1, 2), QList<int>({ 1, 0 }));
        QCOMPARE(codes(down, 1).last(), 2);
        QCOMPARE(codes(up, 0), QList<int>({ 40, 16, 0xBD, 0xBE, 17 }));
    }

    void mouseChoosesRows()
    {
        Zel_CodeBox box;
        box.resize(400, 300);
        box.AddText(QStringLiteral("Section"), QStringLiteral("h"), QStringLiteral("s"),
            StdPicture(), Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<p>one</p>"), QStringLiteral("one"), QStringLiteral("s"));
        box.AddText(QStringLiteral("<p>two</p>"), QStringLiteral("two"), QStringLiteral("s"));
        box.setAutoRender(true);
        QWidget* s = surface(box);
        QSignalSpy returned(&box, returnKeySignal);
        QList<QString> order;
        connect(&box, &Zel_CodeBox::MouseDown, this, [&] { order << QStringLiteral("MouseDown"); });
        connect(&box, &Zel_CodeBox::MouseUp, this, [&] { order << QStringLiteral("MouseUp"); });
        connect(&box, &Zel_CodeBox::ItemMouseUp, this,
            [&](qint16 button, qint32 index, const QString& key, const QString& category) {
                order << QStringLiteral("ItemMouseUp %1 %2 %3 %4")
                             .arg(button)
                             .arg(index)
                             .arg(key, category);
            });
        connect(&box, &Zel_CodeBox::Click, this, [&] { order << QStringLiteral("Click"); });
        connect(&box, returnKeySignal, this, [&](const QString& key, const QString&) {
            order << QStringLiteral("ReturnKey ") + key;
        });

        // A click on the header bar chooses the row below it.
        const int headerMiddle = box.Row(0).Height / 2;
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(100, headerMiddle));
        QCOMPARE(box.ListIndex(), 1);
        QCOMPARE(order,
            QStringList(
                { "ReturnKey one", "MouseDown", "MouseUp", "ItemMouseUp 1 1 one s", "Click" }));

        const int twoY = box.Row(0).Height + box.Row(1).Height + 2;
        QCOMPARE(box.Calculate_MouseY(2), twoY - 1);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(100, twoY));
        QCOMPARE(box.ListIndex(), 2);
        QCOMPARE(returned.last().at(0).toString(), QStringLiteral("two"));

        // The right button does not choose; below the last row nothing is chosen.
        order.clear();
        QTest::mousePress(s, Qt::RightButton, {}, QPoint(100, headerMiddle));
        QCOMPARE(box.ListIndex(), 2);
        QCOMPARE(order, QStringList({ "MouseDown" }));
        QTest::mouseRelease(s, Qt::RightButton, {}, QPoint(100, headerMiddle));
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(100, 250));
        QCOMPARE(box.ListIndex(), 2);

        QSignalSpy dbl(&box, &Zel_CodeBox::RowDblClick);
        QSignalSpy extract(&box, &Zel_CodeBox::ExtractKey);
        QTest::mouseDClick(s, Qt::LeftButton, {}, QPoint(100, twoY));
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(dbl.at(0).at(0).toInt(), 2);
        QCOMPARE(extract.count(), 1);
        QCOMPARE(extract.at(0).at(0).toString(), QStringLiteral("two"));
    }

    void hostErrorsInSlotsDoNotEscape()
    {
        Zel_CodeBox box;
        box.AddText(QStringLiteral("a"), QStringLiteral("a"), QString());
        box.setAutoRender(true);
        connect(&box, returnKeySignal, this, [&] { box.SelectItem(QStringLiteral("missing")); });
        QTest::mouseClick(surface(box), Qt::LeftButton, {}, QPoint(100, 3));
        QCOMPARE(box.ListIndex(), 0);
    }

    void persistence()
    {
        Zel_CodeBox box;
        box.InitProperties();
        QCOMPARE(box.ColorComment(), OLE_COLOR(0));
        QVERIFY(box.KeepFocus());
        box.setKeepFocus(false);
        box.setColorComment(0x008000);
        box.setColorElementName(0x800000);
        box.setColorAttributeName(0xFF);
        box.setColorAttributeValue(0x80000008);
        box.setGutterColor(0xC0C0C0);
        box.setVisualStyle(true);
        box.setGutterFontColor(0x808080);
        QImage lock(8, 8, QImage::Format_RGB32);
        lock.fill(Qt::red);
        box.setLockPicture(StdPicture(lock));

        PropertyBag bag;
        box.WriteProperties(bag);
        PropertyBag reloaded;
        QVERIFY(reloaded.loadJson(bag.toJson()));
        Zel_CodeBox copy;
        copy.ReadProperties(reloaded);
        QCOMPARE(copy.KeepFocus(), false);
        QCOMPARE(copy.ColorComment(), OLE_COLOR(0x008000));
        QCOMPARE(copy.ColorElementName(), OLE_COLOR(0x800000));
        QCOMPARE(copy.ColorAttributeName(), OLE_COLOR(0xFF));
        QCOMPARE(copy.ColorAttributeValue(), OLE_COLOR(0x80000008));
        QCOMPARE(copy.GutterColor(), OLE_COLOR(0xC0C0C0));
        QCOMPARE(copy.VisualStyle(), true);
        QCOMPARE(copy.GutterFontColor(), OLE_COLOR(0x808080));
        QCOMPARE(copy.LockPicture().Width(), 8);

        // Nothing stored: the read defaults.
        Zel_CodeBox fresh;
        fresh.ReadProperties(PropertyBag());
        QCOMPARE(fresh.KeepFocus(), true);
        QCOMPARE(fresh.ColorComment(), OLE_COLOR(5));
        QCOMPARE(fresh.ColorElementName(), OLE_COLOR(1));
        QCOMPARE(fresh.ColorAttributeName(), OLE_COLOR(2));
        QCOMPARE(fresh.ColorAttributeValue(), OLE_COLOR(3));
        QVERIFY(fresh.LockPicture().isNull());
        // True is written even though the stored default is 1.
        PropertyBag defaults;
        fresh.WriteProperties(defaults);
        QVERIFY(defaults.contains(QStringLiteral("KeepFocus")));
        QVERIFY(!defaults.contains(QStringLiteral("ColorComment")));
        QVERIFY(!defaults.contains(QStringLiteral("LockPicture")));
    }

    void damagedBagKeepsOtherProperties()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("GutterColor"), QStringLiteral("not a colour"));
        bag.writeColor(QStringLiteral("ColorComment"), 0x1234, 5);
        Zel_CodeBox box;
        QCOMPARE(errorOf([&] { box.ReadProperties(bag); }), 13);
        QCOMPARE(box.ColorComment(), OLE_COLOR(0x1234));
        QCOMPARE(box.GutterColor(), OLE_COLOR(0));
    }

    void borderStyle()
    {
        Zel_CodeBox box;
        box.setBorderStyle(Zel_CodeBox::NoBorder);
        QCOMPARE(box.BorderStyle(), Zel_CodeBox::NoBorder);
        box.setBorderStyle(7);
        QCOMPARE(box.BorderStyle(), Zel_CodeBox::NoBorder);
        QCOMPARE(box.AreaTextWidth(), box.width());
        box.setBorderStyle(Zel_CodeBox::Border);
        QCOMPARE(box.AreaTextWidth(), box.width() - 4);
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        QImage lock(8, 8, QImage::Format_ARGB32);
        lock.fill(Qt::blue);
        options.values.insert("LockPicture", QVariant::fromValue(StdPicture(lock)));
        // The look and the layout of a running box, set by its host each time, and the rows
        // it shows.
        options.notPersisted
            = { "SelectBGColor", "CodeStyle", "AutoRender", "BorderStyle", "Show_Number", "Line_Y",
                  "List_AreaHeight", "RenderControl", "Count_TotalLines", "ListIndex", "TopIndex" };
        options.notifyRequired = true;
        const QString faults = checkPropertyRoundTrip(
            [] {
                auto box = std::make_unique<Zel_CodeBox>();
                box->resize(300, 100);
                // Enough rows to scroll, so ListIndex and TopIndex have somewhere to go.
                for (int i = 0; i < 40; ++i)
                    box->AddText(QStringLiteral("<p>row %1</p>").arg(i),
                        QStringLiteral("k%1").arg(i), QString());
                // Rendering on, so the walk turns it off and RenderControl turns it back on
                // before TopIndex needs the rows measured.
                box->setAutoRender(true);
                return box;
            },
            options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestCodeBox)
#include "tst_codebox.moc"
