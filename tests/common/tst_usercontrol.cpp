#include <QSignalSpy>
#include <QTest>
#include <common/RuntimeError.h>
#include <common/Units.h>
#include <common/UserControl.h>
#include <limits>

namespace {

/// A control with one persisted property, the way the libraries write them.
class CaptionControl : public UserControl
{
public:
    QString caption() const { return m_caption; }
    void setCaption(const QString& New_Caption)
    {
        if (m_caption == New_Caption)
            return;
        m_caption = New_Caption;
        PropertyChanged(QStringLiteral("Caption"));
    }
    void ReadProperties(const PropertyBag& bag) override
    {
        setCaption(bag.readString(QStringLiteral("Caption"), QStringLiteral("Label1")));
    }
    void WriteProperties(PropertyBag& bag) const override
    {
        bag.WriteProperty(QStringLiteral("Caption"), m_caption, QStringLiteral("Label1"));
    }

private:
    QString m_caption = QStringLiteral("Label1");
};

/// Reads its caption before its width, so a bad width comes after a good caption.
class SizedCaptionControl : public CaptionControl
{
public:
    qint32 width = 100;
    void ReadProperties(const PropertyBag& bag) override
    {
        CaptionControl::ReadProperties(bag);
        width = bag.readLong(QStringLiteral("Width"), 100);
    }
    void WriteProperties(PropertyBag& bag) const override
    {
        CaptionControl::WriteProperties(bag);
        bag.WriteProperty(QStringLiteral("Width"), width, 100);
    }
};

} // namespace

class TestUserControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontSubstitutions_data();
    void fontSubstitutions();
    void propertyChanged();
    void saveAndLoad();
    void failedLoadPutsEverythingBack();
    void userMode();
    void ambientFont();
    void twips();
};

void TestUserControl::fontSubstitutions_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("substitute");
    QTest::newRow("Tahoma") << "Tahoma"
                            << "DejaVu Sans";
    QTest::newRow("Verdana") << "Verdana"
                             << "DejaVu Sans";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "DejaVu Sans";
    QTest::newRow("Microsoft Sans Serif") << "Microsoft Sans Serif"
                                          << "DejaVu Sans";
    QTest::newRow("Arial") << "Arial"
                           << "DejaVu Sans";
    QTest::newRow("Marlett") << "Marlett"
                             << "DejaVu Sans";
    QTest::newRow("Courier New") << "Courier New"
                                 << "DejaVu Sans Mono";
}

void TestUserControl::fontSubstitutions()
{
    QFETCH(QString, family);
    QFETCH(QString, substitute);
    // Nothing but the first control sets the substitutions up.
    static const bool setUpBefore
        = QFont::substitute(u"Tahoma"_qs).contains(u"dejavu"_qs, Qt::CaseInsensitive);
    QVERIFY(!setUpBefore);
    const UserControl control;
    QCOMPARE(QFont::substitute(family).toLower(), substitute.toLower());
    QFont font(family);
    font.setPointSize(8);
    QCOMPARE(QFontInfo(font).family(), substitute);
}

void TestUserControl::propertyChanged()
{
    CaptionControl control;
    QSignalSpy spy(&control, &UserControl::propertyChanged);
    QVERIFY(!control.isDirty());
    control.setCaption(u"Zoom"_qs);
    control.setCaption(u"Zoom"_qs);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), u"Caption"_qs);
    QVERIFY(control.isDirty());
    control.setDirty(false);
    QVERIFY(!control.isDirty());
}

void TestUserControl::saveAndLoad()
{
    CaptionControl control;
    control.setCaption(u"Area 1"_qs);
    PropertyBag bag;
    control.saveProperties(bag);
    QVERIFY(!control.isDirty());
    QCOMPARE(bag.readString(u"caption"_qs, {}), u"Area 1"_qs);

    CaptionControl loaded;
    loaded.loadProperties(bag);
    QCOMPARE(loaded.caption(), u"Area 1"_qs);
    QVERIFY(!loaded.isDirty());

    // The default is not stored.
    PropertyBag fresh;
    CaptionControl().saveProperties(fresh);
    QVERIFY(fresh.isEmpty());
}

void TestUserControl::failedLoadPutsEverythingBack()
{
    SizedCaptionControl control;
    control.setCaption(u"Kept"_qs);
    control.width = 7;
    PropertyBag bad;
    bad.WriteProperty(u"Caption"_qs, u"Taken"_qs, u"Label1"_qs);
    bad.WriteProperty(u"Width"_qs, u"wide"_qs, QString());
    int error = 0;
    try {
        control.loadProperties(bad);
    } catch (const RuntimeError& e) {
        error = e.number();
    }
    QCOMPARE(error, 13);
    QCOMPARE(control.caption(), u"Kept"_qs);
    QCOMPARE(control.width, 7);
    QVERIFY(control.isDirty()); // the caption set above was never saved
}

void TestUserControl::userMode()
{
    UserControl control;
    QVERIFY(control.UserMode());
    QSignalSpy spy(&control, &UserControl::userModeChanged);
    QSignalSpy ambient(&control, &UserControl::ambientChanged);
    control.setUserMode(false);
    control.setUserMode(false);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(ambient.count(), 1);
    QCOMPARE(ambient.at(0).at(0).toString(), u"UserMode"_qs);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(control.property("UserMode").toBool(), false);
}

void TestUserControl::ambientFont()
{
    UserControl control;
    QCOMPARE(control.AmbientFont().Name(), u"MS Sans Serif"_qs);
    QSignalSpy ambient(&control, &UserControl::ambientChanged);
    StdFont hostFont(u"Tahoma"_qs, 8);
    control.setAmbientFont(hostFont);
    control.setAmbientFont(hostFont);
    QCOMPARE(ambient.count(), 1);
    QCOMPARE(ambient.at(0).at(0).toString(), u"Font"_qs);
    // The control holds the host's object: the host's edits show through.
    hostFont.setBold(true);
    QVERIFY(control.AmbientFont().Bold());
}

void TestUserControl::twips()
{
    // The offscreen screen has 96 logical DPI.
    QCOMPARE(UserControl::TwipsPerPixelX(), 15.0f);
    QCOMPARE(UserControl::TwipsPerPixelY(), 15.0f);
    QCOMPARE(Zel::twipsToPixelsX(1440), 96);
    QCOMPARE(Zel::twipsToPixelsY(22), 1);
    QCOMPARE(Zel::twipsToPixelsY(23), 2);
    QCOMPARE(Zel::pixelsToTwipsX(4), 60.0);
    QCOMPARE(Zel::pixelsToTwipsY(-2), -30.0);
    QCOMPARE(Zel::twipsToPixelsX(1e300), std::numeric_limits<int>::max());
    QCOMPARE(Zel::twipsToPixelsX(-1e300), std::numeric_limits<int>::min());
}

QTEST_MAIN(TestUserControl)
#include "tst_usercontrol.moc"
