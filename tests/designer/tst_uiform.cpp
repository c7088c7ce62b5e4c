#include "ui_ControlsForm.h"

#include <QtTest>

// A form with the three controls, written as Designer saves it and
// compiled by uic: the controls are created with the form's values and work
// at run time.
class TestUiForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formSetsProperties();
    void controlsRunOnTheForm();
};

void TestUiForm::formSetsProperties()
{
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);

    QCOMPARE(ui.imageMap->objectName(), u"imageMap"_qs);
    QCOMPARE(ui.imageMap->FigureToDraw(), Zonecraft::DrawingCircle);
    QCOMPARE(ui.imageMap->ShowHandles(), false);
    QCOMPARE(ui.imageMap->ExtractSeperator(), u";"_qs);
    QCOMPARE(ui.imageMap->HandleColor(), OLE_COLOR(255));

    QCOMPARE(ui.propertyList->ListColumWidth(), 120);
    QCOMPARE(ui.propertyList->ShowDescription(), false);
    QCOMPARE(ui.propertyList->VisualStyle(), Tabulon::Style::CoolXP);
    QCOMPARE(ui.propertyList->ItemTextLeft(), qint16(6));

    QCOMPARE(ui.codeBox->CodeStyle(), Zel_CodeBox::TopStyleSelection);
    QCOMPARE(ui.codeBox->Show_Number(), false);
    QCOMPARE(ui.codeBox->GutterColor(), OLE_COLOR(0x808080));

    // A form built by uic runs its controls in run-time mode.
    QVERIFY(ui.imageMap->UserMode());
    QVERIFY(ui.propertyList->UserMode());
    QVERIFY(ui.codeBox->UserMode());
}

void TestUiForm::controlsRunOnTheForm()
{
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    ui.imageMap->DrawNewRectangle(10, 10, 60, 40, u"home"_qs);
    QCOMPARE(ui.imageMap->CountFigures(), 1);
    QCOMPARE(ui.imageMap->ExportCode(Zonecraft::customcode).count(u';'), 2);

    ui.propertyList->AddItem(u"g"_qs, u"General"_qs, Tabulon::propHeader, {}, {});
    ui.propertyList->AddItem(u"name"_qs, u"Name"_qs, Tabulon::propString, u"Form1"_qs, {});
    ui.propertyList->setListIndex(1);
    QCOMPARE(ui.propertyList->ItemText(ui.propertyList->ListIndex()), u"Form1"_qs);

    ui.codeBox->AddText(u"<p>Hello</p>"_qs, u"r1"_qs, {});
    ui.codeBox->setListIndex(0);
    QCOMPARE(ui.codeBox->ExtractRow(0), u"<p>Hello</p>"_qs);
    QVERIFY(!form.grab().isNull());
}

QTEST_MAIN(TestUiForm)
#include "tst_uiform.moc"
