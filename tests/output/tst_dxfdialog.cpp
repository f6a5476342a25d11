#include "foundation/DialogSeam.h"
#include "foundation/XLineEdit.h"
#include "output/DXFExportDialog.h"
#include "output/DXFSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TestDxfDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void showsSettingsOfLastExport();
    void okCompletesFileName_data();
    void okCompletesFileName();
    void emptyFieldDisablesOk();
    void fileDialogChoiceIsCompletedAndShown();
    void cancelledFileDialogChangesNothing();
    void rejectedDialogKeepsFileName();

private:
    static XLineEdit* field(DXFExportDialog& dialog)
    {
        return dialog.findChild<XLineEdit*>("txtFileForDxfExport");
    }
    static void retype(DXFExportDialog& dialog, const QString& text)
    {
        XLineEdit* edit = field(dialog);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

void TestDxfDialog::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
}

void TestDxfDialog::showsSettingsOfLastExport()
{
    DXFSettings settings(true, "/home/builder/Planformix.dxf");
    DXFExportDialog dialog(&settings);
    QCOMPARE(dialog.windowTitle(), QString("Export to DXF"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(field(dialog)->text(), QString("/home/builder/Planformix.dxf"));
    QVERIFY(dialog.findChild<QCheckBox*>("chkDrawBox")->isChecked());
    QVERIFY(dialog.okButton()->isEnabled());
}

void TestDxfDialog::okCompletesFileName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("drawBox");
    QTest::addColumn<QString>("stored");
    QTest::newRow("bare name") << "wing" << true << "wing.dxf";
    QTest::newRow("with suffix") << "wing.dxf" << false << "wing.dxf";
    QTest::newRow("upper-case suffix") << "wing.DXF" << false << "wing.DXF";
    QTest::newRow("other suffix") << "wing.dwg" << true << "wing.dwg.dxf";
    QTest::newRow("full path") << "/tmp/left wing" << false << "/tmp/left wing.dxf";
}

void TestDxfDialog::okCompletesFileName()
{
    QFETCH(QString, typed);
    QFETCH(bool, drawBox);
    QFETCH(QString, stored);
    DXFSettings settings(!drawBox, "Planformix.dxf");
    DXFExportDialog dialog(&settings);
    retype(dialog, typed);
    dialog.findChild<QCheckBox*>("chkDrawBox")->setChecked(drawBox);
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.getFileName(), stored);
    QCOMPARE(field(dialog)->text(), stored);
    QCOMPARE(settings.getDrawBox(), drawBox);
}

void TestDxfDialog::emptyFieldDisablesOk()
{
    DXFSettings settings(false, "wing.dxf");
    DXFExportDialog dialog(&settings);
    retype(dialog, "");
    QVERIFY(!dialog.okButton()->isEnabled());
    QTest::keyClicks(field(dialog), "w");
    QVERIFY(dialog.okButton()->isEnabled());

    DXFSettings empty(false, "");
    DXFExportDialog fresh(&empty);
    QVERIFY(!fresh.okButton()->isEnabled());
}

void TestDxfDialog::fileDialogChoiceIsCompletedAndShown()
{
    DXFSettings settings(false, "/data/old.dxf");
    DXFExportDialog dialog(&settings);
    DialogSeam::queueFileName("/data/plan");
    dialog.findChild<QToolButton*>("btnFileForDxfExport")->click();

    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    const DialogSeam::Call& call = DialogSeam::calls().front();
    QCOMPARE(call.kind, DialogSeam::Kind::SaveFile);
    QCOMPARE(call.title, QString("Export to DXF"));
    QCOMPARE(call.directory, QString("/data/old.dxf"));
    QCOMPARE(call.filter, QString("*.dxf"));
    QCOMPARE(settings.getFileName(), QString("/data/plan.dxf"));
    QCOMPARE(field(dialog)->text(), QString("/data/plan.dxf"));
    QVERIFY(dialog.okButton()->isEnabled());
}

void TestDxfDialog::cancelledFileDialogChangesNothing()
{
    DXFSettings settings(false, "/data/old.dxf");
    DXFExportDialog dialog(&settings);
    DialogSeam::queueFileName("");
    dialog.findChild<QToolButton*>("btnFileForDxfExport")->click();
    QCOMPARE(settings.getFileName(), QString("/data/old.dxf"));
    QCOMPARE(field(dialog)->text(), QString("/data/old.dxf"));
}

void TestDxfDialog::rejectedDialogKeepsFileName()
{
    DXFSettings settings(false, "/data/old.dxf");
    DXFExportDialog dialog(&settings);
    retype(dialog, "other");
    dialog.findChild<QCheckBox*>("chkDrawBox")->setChecked(true);
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings.getFileName(), QString("/data/old.dxf"));
    QVERIFY(!settings.getDrawBox());
}

QTEST_MAIN(TestDxfDialog)
#include "tst_dxfdialog.moc"
