#include "editing/PanelCreationSelector.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

class TestPanelCreationSelector : public QObject
{
    Q_OBJECT

private slots:
    void returnsChosenCopyMethod_data();
    void returnsChosenCopyMethod();
    void offersThreeExclusiveMethodsAndOnlyOk();
    void showsPictureOfEachMethod();
};

void TestPanelCreationSelector::returnsChosenCopyMethod_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<int>("method");
    QTest::newRow("untouched, ok") << "" << "ok" << 2;
    QTest::newRow("direct, ok") << "btnVerbatimCopy" << "ok" << 0;
    QTest::newRow("direct, escape") << "btnVerbatimCopy" << "escape" << 0;
    QTest::newRow("mirror, ok") << "btnMirrorCopy" << "ok" << 1;
    QTest::newRow("mirror, window closed") << "btnMirrorCopy" << "close" << 1;
    QTest::newRow("smart after mirror, ok") << "btnMirrorCopy,btnSmartCopy" << "ok" << 2;
    QTest::newRow("untouched, escape") << "" << "escape" << 2;
}

void TestPanelCreationSelector::returnsChosenCopyMethod()
{
    QFETCH(QString, choice);
    QFETCH(QString, closing);
    QFETCH(int, method);
    PanelCreationSelector selector;
    QTimer::singleShot(0, &selector, [&] {
        for (const QString& name : choice.split(',', Qt::SkipEmptyParts))
            selector.findChild<QRadioButton*>(name)->click();
        if (closing == "ok")
            selector.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        else if (closing == "escape")
            QTest::keyClick(&selector, Qt::Key_Escape);
        else
            selector.close();
    });
    QCOMPARE(selector.exec(), method);
    QVERIFY(!selector.isVisible());
}

void TestPanelCreationSelector::offersThreeExclusiveMethodsAndOnlyOk()
{
    PanelCreationSelector selector;
    QCOMPARE(selector.windowTitle(), QString("Copy method selection"));
    QVERIFY(!(selector.windowFlags() & Qt::WindowContextHelpButtonHint));
    auto* verbatim = selector.findChild<QRadioButton*>("btnVerbatimCopy");
    auto* mirror = selector.findChild<QRadioButton*>("btnMirrorCopy");
    auto* smart = selector.findChild<QRadioButton*>("btnSmartCopy");
    QVERIFY(verbatim && mirror && smart);
    QCOMPARE(verbatim->text(), QString("Direct (1:1) copy"));
    QCOMPARE(mirror->text(), QString("Mirror copy (only spars at the connection rib)"));
    QCOMPARE(smart->text(), QString("Smart copy"));
    QVERIFY(smart->isChecked() && !mirror->isChecked() && !verbatim->isChecked());

    mirror->click();
    QVERIFY(mirror->isChecked() && !smart->isChecked() && !verbatim->isChecked());
    verbatim->click();
    QVERIFY(verbatim->isChecked() && !smart->isChecked() && !mirror->isChecked());

    auto* box = selector.findChild<QDialogButtonBox*>("buttonBox");
    QCOMPARE(box->buttons().size(), 1);
    QVERIFY(box->button(QDialogButtonBox::Ok));

    // Every showing starts again from the smart copy.
    PanelCreationSelector next;
    QVERIFY(next.findChild<QRadioButton*>("btnSmartCopy")->isChecked());
}

void TestPanelCreationSelector::showsPictureOfEachMethod()
{
    PanelCreationSelector selector;
    const QRegularExpression url(QStringLiteral("url\\((:[^)]+)\\)"));
    for (const char* name : {"wdg11Copy", "wdgMirrorCopy", "wdgSmartCopy"}) {
        auto* picture = selector.findChild<QWidget*>(name);
        QVERIFY2(picture, name);
        const QRegularExpressionMatch match = url.match(picture->styleSheet());
        QVERIFY2(match.hasMatch(), name);
        const QImage image(match.captured(1));
        QVERIFY2(!image.isNull(), qPrintable(match.captured(1)));
        QCOMPARE(image.size(), QSize(886, 371));
    }
}

QTEST_MAIN(TestPanelCreationSelector)
#include "tst_panelcreationselector.moc"
