#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"

#include <functional>

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

    // Closes every modal window that opens while it runs and keeps the
    // button and label texts of each, accelerators taken out. A command's
    // own dialog first has its file button (named fileButton) pressed, then
    // is closed once the file dialog is gone.
    static QStringList readShownTexts(const std::function<void()>& command, const QString& fileButton)
    {
        QStringList shown;
        QSet<QWidget*> pressed;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                return;
            const bool ownDialog = !qobject_cast<QFileDialog*>(modal) && !qobject_cast<QMessageBox*>(modal);
            QAbstractButton* file = modal->findChild<QAbstractButton*>(fileButton);
            if (ownDialog && file != nullptr && !pressed.contains(modal)) {
                pressed.insert(modal);
                QMetaObject::invokeMethod(file, "click", Qt::QueuedConnection);
                return;
            }
            for (QPushButton* b : modal->findChildren<QPushButton*>())
                if (b->isVisible())
                    shown << b->text().remove(QLatin1Char('&'));
            for (QLabel* l : modal->findChildren<QLabel*>())
                if (l->isVisible())
                    shown << l->text().remove(QLatin1Char('&'));
            static_cast<QDialog*>(modal)->reject();
        });
        closer.start(20);
        command();
        return shown;
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

        // The document dialogs' file type is built in code, not by a form.
        const auto documentFilter = [&window] {
            DialogSeam::clear();
            window.saveFileAs();
            return DialogSeam::calls().empty() ? QString() : DialogSeam::calls().back().filter;
        };

        action(window, "actionGerman")->trigger();
        expectLanguage(window, true);
        for (AboutDialog* box : boxes)
            QCOMPARE(box->windowTitle(), QString::fromUtf8("Über Planformix"));
        QCOMPARE(action(window, "actionExit")->text(), QStringLiteral("&Beenden"));
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(action(window, "actionAnti_Alias")->isChecked(), antiAliasChecked);
        QVERIFY(DialogSeam::calls().empty());
        QCOMPARE(documentFilter(), QStringLiteral("Planformix-Dateien (*.pfz)"));

        action(window, "actionEnglish")->trigger();
        expectLanguage(window, false);
        for (AboutDialog* box : boxes)
            QCOMPARE(box->windowTitle(), QStringLiteral("About Planformix"));
        QCOMPARE(documentFilter(), QStringLiteral("Planformix files (*.pfz)"));
        DialogSeam::clear();
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

    // The file dialogs and message boxes are Qt's own; their buttons and
    // labels come from Qt's German catalogues, not from ours.
    void commandDialogsSpeakGerman_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fileButton");
        QTest::addColumn<QStringList>("german");
        const QStringList open = {"Öffnen", "Abbrechen", "Suchen in:", "Dateiname:", "Dateien des Typs:"};
        const QStringList save = {"Speichern", "Abbrechen", "Suchen in:", "Dateiname:", "Dateien des Typs:"};
        QTest::newRow("Load") << "loadFile" << QString() << open;
        QTest::newRow("Save as") << "saveFileAs" << QString() << save;
        QTest::newRow("airfoil import") << "importAirfoilDialog" << QString() << open;
        QTest::newRow("print") << "printDialog" << "btnFileForPrinting" << (save + QStringList{"OK"});
        QTest::newRow("DXF") << "exportToDxf" << "btnFileForDxfExport" << (save + QStringList{"OK"});
        QTest::newRow("message box") << QString() << QString() << QStringList{"Ja", "Nein", "Abbrechen"};
    }

    void commandDialogsSpeakGerman()
    {
        QFETCH(QString, command);
        QFETCH(QString, fileButton);
        QFETCH(QStringList, german);
        DialogSeam::setScripted(false);
        settings()->setLanguage(QStringLiteral("de"));
        MainWindow window(QString(), nullptr);
        window.applyLanguage();
        const QStringList shown = readShownTexts([&] {
            if (command.isEmpty())
                DialogSeam::warning(&window, QStringLiteral("t"), QStringLiteral("x"),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            else
                QMetaObject::invokeMethod(&window, command.toLatin1().constData());
        }, fileButton);
        DialogSeam::setScripted(true);
        for (const QString& text : german)
            QVERIFY2(shown.contains(text),
                     qPrintable(text + QStringLiteral(" not in: ") + shown.join(QLatin1Char('|'))));
        for (const char* english : {"Cancel", "Open", "Save", "Look in:", "File name:", "Yes", "No"})
            QVERIFY2(!shown.contains(QLatin1String(english)), english);
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
