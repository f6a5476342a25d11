#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "views/VisualisationButtons.h"

// The buttons only pass clicks on: a button wired to the wrong signal sends
// the user to the wrong side of the wing.
class TestVisualisationButtons : public QObject
{
    Q_OBJECT

private slots:
    void eachButtonSendsOnlyItsView_data();
    void eachButtonSendsOnlyItsView();
    void everyButtonShowsItsPicture();
    void languageChangeRestoresTexts();
};

namespace {
const char* const allSignals[] = {SIGNAL(topView()),   SIGNAL(bottomView()), SIGNAL(leftView()), SIGNAL(rightView()),
                                  SIGNAL(frontView()), SIGNAL(rearView()),   SIGNAL(view45())};
const char* const allButtons[] = {"btnTop", "btnLeft", "btnFront", "btn45", "btnBottom", "btnRight", "btnRear"};
}

void TestVisualisationButtons::eachButtonSendsOnlyItsView_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("signalIndex");
    QTest::newRow("top") << "btnTop" << 0;
    QTest::newRow("bottom") << "btnBottom" << 1;
    QTest::newRow("left") << "btnLeft" << 2;
    QTest::newRow("right") << "btnRight" << 3;
    QTest::newRow("front") << "btnFront" << 4;
    QTest::newRow("rear") << "btnRear" << 5;
    QTest::newRow("angled") << "btn45" << 6;
}

void TestVisualisationButtons::eachButtonSendsOnlyItsView()
{
    QFETCH(QString, button);
    QFETCH(int, signalIndex);
    VisualisationButtons widget;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* signal : allSignals)
        spies.push_back(std::make_unique<QSignalSpy>(&widget, signal));

    auto* tool = widget.findChild<QToolButton*>(button);
    QVERIFY(tool);
    QTest::mouseClick(tool, Qt::LeftButton);

    for (int i = 0; i < int(spies.size()); ++i)
        QCOMPARE(spies[size_t(i)]->count(), i == signalIndex ? 1 : 0);
}

void TestVisualisationButtons::everyButtonShowsItsPicture()
{
    VisualisationButtons widget;
    for (const char* name : allButtons) {
        auto* tool = widget.findChild<QToolButton*>(name);
        QVERIFY2(tool, name);
        QVERIFY2(!tool->icon().isNull(), name);
        QVERIFY2(!tool->icon().pixmap(32, 32).isNull(), name);
        QCOMPARE(tool->iconSize(), QSize(32, 32));
    }
}

void TestVisualisationButtons::languageChangeRestoresTexts()
{
    VisualisationButtons widget;
    auto* top = widget.findChild<QToolButton*>("btnTop");
    QVERIFY(top);
    top->setToolTip(QStringLiteral("stale"));
    top->setText(QStringLiteral("stale"));

    QEvent other(QEvent::EnabledChange);
    QCoreApplication::sendEvent(&widget, &other);
    QCOMPARE(top->toolTip(), QStringLiteral("stale"));

    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&widget, &change);
    QCOMPARE(top->toolTip(), QStringLiteral("<html><head/><body><p>Top view</p></body></html>"));
    QCOMPARE(top->text(), QStringLiteral("..."));
}

QTEST_MAIN(TestVisualisationButtons)
#include "tst_visualisationbuttons.moc"
