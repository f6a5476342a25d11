#include <QtTest>

#include "model/PlaneVisualisationOptions.h"

class TestVisualisationOptions : public QObject
{
    Q_OBJECT
private slots:
    void constructorKeepsArgumentOrder();
    void settersStoreUnclampedAndCopiesAreIndependent();
};

void TestVisualisationOptions::constructorKeepsArgumentOrder()
{
    // Every flag differs from its neighbours so that a swapped argument shows.
    const PlaneVisualisationOptions o(true, false, true, false, true, false, true, false, 42, 17, 12.5f, true,
                                      false);
    QCOMPARE(o.getShowRibs(), true);
    QCOMPARE(o.getShowSpars(), false);
    QCOMPARE(o.getShowCovering(), true);
    QCOMPARE(o.getShowTE(), false);
    QCOMPARE(o.getShowLE(), true);
    QCOMPARE(o.getShowAxes(), false);
    QCOMPARE(o.getShowGhostPanels(), true);
    QCOMPARE(o.getGrayGhosts(), false);
    QCOMPARE(o.getTransparency(), 42);
    QCOMPARE(o.getGhostTransparency(), 17);
    QCOMPARE(o.getWingHalvesDistance(), 12.5f);
    QCOMPARE(o.getShowDihedral(), true);
    QCOMPARE(o.getShowCombs(), false);

    const PlaneVisualisationOptions inverse(false, true, false, true, false, true, false, true, 1, 2, -1.0f,
                                            false, true);
    QCOMPARE(inverse.getShowSpars(), true);
    QCOMPARE(inverse.getGrayGhosts(), true);
    QCOMPARE(inverse.getShowDihedral(), false);
    QCOMPARE(inverse.getShowCombs(), true);
}

void TestVisualisationOptions::settersStoreUnclampedAndCopiesAreIndependent()
{
    PlaneVisualisationOptions o(true, true, true, true, true, false, false, false, 100, 15, 0.0f, false, false);
    PlaneVisualisationOptions copy = o;
    copy.setTransparency(5);
    copy.setWingHalvesDistance(-3.0f);
    copy.setShowRibs(false);
    copy.setShowCombs(true);
    QCOMPARE(copy.getTransparency(), 5);
    QCOMPARE(copy.getWingHalvesDistance(), -3.0f);
    QCOMPARE(o.getTransparency(), 100);
    QCOMPARE(o.getWingHalvesDistance(), 0.0f);
    QVERIFY(o.getShowRibs());
    QVERIFY(!o.getShowCombs());
}

QTEST_MAIN(TestVisualisationOptions)
#include "tst_visualisationoptions.moc"
