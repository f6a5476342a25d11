#include <QtTest>

#include <QThread>
#include <algorithm>
#include <memory>
#include <vector>

#include "document/PlaneModel.h"

class TestPlaneModelAccess : public QObject
{
    Q_OBJECT
private slots:
    void handsOutIdsFromTwoUpwards();
    void concurrentCallersNeverShareAnId();
    void emptyPlaneReportsNoPanelsAndNoRootChord();
    void instanceIsCreatedOnceAndForgottenWhenDestroyed();
};

void TestPlaneModelAccess::handsOutIdsFromTwoUpwards()
{
    delete PlaneModel::instance();
    PlaneModel* plane = PlaneModel::instance();
    QCOMPARE(plane->getNextId(), 2);
    QCOMPARE(plane->getNextId(), 3);
    QCOMPARE(plane->getNextId(), 4);
}

void TestPlaneModelAccess::concurrentCallersNeverShareAnId()
{
    PlaneModel* plane = PlaneModel::instance();
    const int threadCount = 8;
    constexpr int idsPerThread = 20000;
    std::vector<std::vector<int>> taken(threadCount);
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        std::vector<int>* mine = &taken[t];
        threads.emplace_back(QThread::create([plane, mine]() {
            mine->reserve(idsPerThread);
            for (int i = 0; i < idsPerThread; ++i)
                mine->push_back(plane->getNextId());
        }));
    }
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        QVERIFY(thread->wait(60000));

    std::vector<int> all;
    for (const auto& ids : taken)
        all.insert(all.end(), ids.begin(), ids.end());
    std::sort(all.begin(), all.end());
    QCOMPARE(int(all.size()), threadCount * idsPerThread);
    QVERIFY(std::adjacent_find(all.begin(), all.end()) == all.end());
    // No id was skipped either: every increment reached exactly one caller.
    QCOMPARE(all.back() - all.front() + 1, threadCount * idsPerThread);
}

void TestPlaneModelAccess::emptyPlaneReportsNoPanelsAndNoRootChord()
{
    PlaneModel* plane = PlaneModel::instance();
    QCOMPARE(plane->getRootChord(), -1.0f);
    QCOMPARE(plane->getPanelCount(), 0);
    QVERIFY(plane->getPanelList().empty());
}

void TestPlaneModelAccess::instanceIsCreatedOnceAndForgottenWhenDestroyed()
{
    PlaneModel* first = PlaneModel::instance();
    QCOMPARE(PlaneModel::instance(), first);
    first->getNextId();
    delete first;
    // A fresh model after destruction starts its own count again.
    PlaneModel* second = PlaneModel::instance();
    QCOMPARE(second->getNextId(), 2);
    delete second;
}

QTEST_MAIN(TestPlaneModelAccess)
#include "tst_planemodelaccess.moc"
