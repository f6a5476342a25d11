#include <QtTest>
#include <memory>

#include "foundation/Observable.h"
#include "foundation/Observer.h"

namespace {
class RecordingObserver : public Observer
{
public:
    RecordingObserver(const QString& name, QStringList& log, bool persistent = false)
        : Observer(name, persistent), log(log)
    {
    }
    void observedObjectChanged(Observable* observable) override
    {
        log << getName();
        lastSender = observable;
    }
    void saveViewData(serializedPlanformixData&) override {}
    void loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t) override {}

    QStringList& log;
    Observable* lastSender = nullptr;
};

// Subclasses inherit the switches unchanged; this one only counts.
class CountingModel : public Observable
{
public:
    int notifications = 0;
    void notifyObservers() override
    {
        ++notifications;
        Observable::notifyObservers();
    }
};
}

class TestObserver : public QObject
{
    Q_OBJECT
private slots:
    void notifiesInRegistrationOrder();
    void notificationSwitch_data();
    void notificationSwitch();
    void historyAndModificationSwitchesOnlyStore();
    void findsFirstObserverByName();
    void destroyingObservableLeavesObservers();
};

void TestObserver::notifiesInRegistrationOrder()
{
    QStringList log;
    RecordingObserver a("A", log), b("B", log);
    Observable model;
    model.addObserver(&a);
    model.addObserver(&b);
    model.addObserver(&a); // no duplicate check
    model.notifyObservers();
    QCOMPARE(log, QStringList({"A", "B", "A"}));
    QCOMPARE(b.lastSender, &model);
}

void TestObserver::notificationSwitch_data()
{
    QTest::addColumn<bool>("initial");
    QTest::addColumn<bool>("set");
    QTest::addColumn<int>("expected");
    QTest::newRow("on while on notifies") << true << true << 1;
    QTest::newRow("on while off notifies") << false << true << 1;
    QTest::newRow("off never notifies") << true << false << 0;
    QTest::newRow("off while off never notifies") << false << false << 0;
}

void TestObserver::notificationSwitch()
{
    QFETCH(bool, initial);
    QFETCH(bool, set);
    QFETCH(int, expected);
    QStringList log;
    RecordingObserver a("A", log);
    CountingModel model;
    model.addObserver(&a);
    QVERIFY(model.getNotificationsEnabled());
    // Storing the switch directly through the base class so that this
    // does not notify.
    model.Observable::setNotificationsEnabled(initial);
    log.clear();
    model.setNotificationsEnabled(set);
    QCOMPARE(log.size(), expected);
    QCOMPARE(model.getNotificationsEnabled(), set);
    // Switching on goes through the virtual notification.
    QCOMPARE(model.notifications, expected + (initial ? 1 : 0));

    log.clear();
    model.notifyObservers();
    QCOMPARE(log.size(), set ? 1 : 0);
}

void TestObserver::historyAndModificationSwitchesOnlyStore()
{
    QStringList log;
    RecordingObserver a("A", log);
    Observable model;
    model.addObserver(&a);
    QVERIFY(model.getHistoryRecordingEnabled());
    QVERIFY(model.getModificationTrackingEnabled());

    // The undo pattern: both off, change, notifications on first (one
    // notification while history is still off), then history back on.
    model.setNotificationsEnabled(false);
    model.setHistoryRecordingEnabled(false);
    model.notifyObservers();
    QVERIFY(log.isEmpty());
    model.setNotificationsEnabled(true);
    QCOMPARE(log.size(), 1);
    QVERIFY(!model.getHistoryRecordingEnabled());
    model.setHistoryRecordingEnabled(true);
    model.setModificationTrackingEnabled(false);
    QCOMPARE(log.size(), 1);
    QVERIFY(model.getHistoryRecordingEnabled());
    QVERIFY(!model.getModificationTrackingEnabled());
}

void TestObserver::findsFirstObserverByName()
{
    QStringList log;
    RecordingObserver first("PlaneSummaryArea", log, true);
    RecordingObserver second("PlaneSummaryArea", log, true);
    RecordingObserver other("FileManager", log);
    Observable model;
    model.addObserver(&other);
    model.addObserver(&first);
    model.addObserver(&second);
    QCOMPARE(model.findObserverByName("PlaneSummaryArea"), &first);
    QCOMPARE(model.findObserverByName("FileManager"), &other);
    QVERIFY(model.findObserverByName("MainWingGLWidget") == nullptr);
}

void TestObserver::destroyingObservableLeavesObservers()
{
    QStringList log;
    RecordingObserver a("A", log);
    {
        auto model = std::make_unique<Observable>();
        model->addObserver(&a);
    }
    // Still usable: the observable did not delete it.
    a.observedObjectChanged(nullptr);
    QCOMPARE(log, QStringList({"A"}));
}

QTEST_MAIN(TestObserver)
#include "tst_observer.moc"
