#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QtTest>

#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"

// Switching the user interface between English and German, and storing the
// anti-alias choice, through the main window's Edit menu.
class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private:
    static ApplicationSettings* settings() { return ApplicationSettings::getInstance()->getSettings(); }
    static QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(QLatin1String(name)); }
    static QString menuTitle(MainWindow& w, const char* name)
    {
        return w.findChild<QMenu*>(QLatin1String(name))->title();
    }
    static QString storedValue(const QString& key)
    {
        // Read back from the store, not from memory.
        QSettings store;
        return store.value(key).toString();
    }
    static void expectLanguage(MainWindow& w, bool german)
    {
        QCOMPARE(action(w, "actionGerman")->isChecked(), german);
        // The language in force cannot be chosen again: its entry is off.
        QCOMPARE(action(w, "actionGerman")->isEnabled(), !german);
        QCOMPARE(action(w, "actionEnglish")->isChecked(), !german);
        QCOMPARE(action(w, "actionEnglish")->isEnabled(), german);
        QCOMPARE(storedValue(QStringLiteral("language")), german ? QStringLiteral("de") : QStringLiteral("en"));
        QCoreApplication::processEvents();
        QCOMPARE(menuTitle(w, "menuFile"), german ? QStringLiteral("&Datei") : QStringLiteral("&File"));
    }

private slots:
    void init()
    {
        DialogSeam::setScripted(true);
        DialogSeam::clear();
    }

    void cleanup()
    {
        // Each window's translators went with it. Without a central widget
        // nothing else deletes the model, which still lists the window's
        // file manager; the next case starts from a fresh one.
        delete PlaneModel::instance();
        settings()->setLanguage(QStringLiteral("en"));
        QCoreApplication::processEvents();
    }

    void startUpAppliesStoredLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("german");
        QTest::newRow("German") << "de" << true;
        QTest::newRow("English") << "en" << false;
        // Codes are compared exactly; anything else falls back to English
        // and is overwritten.
        QTest::newRow("upper case") << "DE" << false;
        QTest::newRow("unknown") << "fr" << false;
    }

    void startUpAppliesStoredLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(bool, german);
        settings()->setLanguage(stored);
        MainWindow window(QString(), nullptr);
        window.applyLanguage();
        expectLanguage(window, german);
        QCOMPARE(settings()->getLanguage(), german ? QStringLiteral("de") : QStringLiteral("en"));
    }

    void switchingRetranslatesWindowAndEveryAboutBox()
    {
        settings()->setLanguage(QStringLiteral("en"));
        MainWindow window(QString(), nullptr);
        window.applyLanguage();
        window.about();
        window.about(true);
        const QList<AboutDialog*> boxes = window.findChildren<AboutDialog*>();
        QCOMPARE(boxes.size(), 2);
        const QString title = window.windowTitle();
        const bool antiAliasChecked = action(window, "actionAnti_Alias")->isChecked();

        action(window, "actionGerman")->trigger();
        expectLanguage(window, true);
        for (AboutDialog* box : boxes)
            QCOMPARE(box->windowTitle(), QString::fromUtf8("Über Planformix"));
        QCOMPARE(action(window, "actionExit")->text(), QStringLiteral("&Beenden"));
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(action(window, "actionAnti_Alias")->isChecked(), antiAliasChecked);

        action(window, "actionEnglish")->trigger();
        expectLanguage(window, false);
        for (AboutDialog* box : boxes)
            QCOMPARE(box->windowTitle(), QStringLiteral("About Planformix"));
        QVERIFY(DialogSeam::calls().empty());
    }

    void startedInGermanOneSwitchRemovesBothCatalogues()
    {
        settings()->setLanguage(QStringLiteral("de"));
        MainWindow window(QString(), nullptr);
        window.applyLanguage();
        QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), QStringLiteral("&Datei"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));

        action(window, "actionEnglish")->trigger();
        QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), QStringLiteral("&File"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        expectLanguage(window, false);
    }

    void aboutOpensTheRequestedPage()
    {
        MainWindow window(QString(), nullptr);
        window.about();
        window.about(true);
        const QList<AboutDialog*> boxes = window.findChildren<AboutDialog*>();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0]->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->currentIndex(), 0);
        QCOMPARE(boxes[1]->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->currentIndex(), 1);
        QVERIFY(boxes[0]->isVisible() && boxes[1]->isVisible());
    }

    void antiAliasIsStoredAndExplainedEachTime()
    {
        settings()->setAntiAlias(true);
        MainWindow window(QString(), nullptr);
        QAction* antiAlias = action(window, "actionAnti_Alias");
        QVERIFY(antiAlias->isChecked());
        QVERIFY(DialogSeam::calls().empty()); // nothing said at start-up

        for (bool expected : {false, true}) {
            DialogSeam::clear();
            antiAlias->trigger();
            QCOMPARE(antiAlias->isChecked(), expected);
            QCOMPARE(settings()->getAntiAlias(), expected);
            QCOMPARE(QSettings().value(QStringLiteral("antiAlias")).toBool(), expected);
            QCOMPARE(DialogSeam::calls().size(), size_t(1));
            const DialogSeam::Call& call = DialogSeam::calls().front();
            QCOMPARE(call.icon, QMessageBox::Information);
            QCOMPARE(call.title, QStringLiteral("Anti Alias"));
            QVERIFY(call.text.contains(QStringLiteral("<em>anti alias</em>")));
        }
    }
};

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
