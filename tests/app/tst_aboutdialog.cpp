#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include "app/AboutDialog.h"
#include "foundation/ApplicationSettings.h"

// The About box: version, the change history of the current language, and
// its texts following a language switch.
class TestAboutDialog : public QObject
{
    Q_OBJECT

private:
    static QString langDir() { return QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang"); }
    static void setLanguage(const QString& code)
    {
        ApplicationSettings::getInstance()->getSettings()->setLanguage(code);
    }
    static QString historyText(AboutDialog& dialog)
    {
        return dialog.findChild<QTextEdit*>(QStringLiteral("txtChangeHistory"))->toPlainText();
    }
    static QString versionText(AboutDialog& dialog)
    {
        return dialog.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
    }

private slots:
    void cleanup() { setLanguage(QStringLiteral("en")); }

    void showsVersionInBoldInPlaceOfThePlaceholder()
    {
        AboutDialog dialog(nullptr);
        QCOMPARE(versionText(dialog),
                 QStringLiteral("<html><head/><body><p><span style=\" font-weight:600;\">1.2.3</span></p></body></html>"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        // The logo and the window icon are compiled in.
        QCOMPARE(QPixmap(QStringLiteral(":/images/images/icon_128x128.png")).size(), QSize(128, 128));
        QVERIFY(!dialog.windowIcon().isNull());
    }

    void showsChangeHistoryOfTheCurrentLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << "en" << "The user interface speaks English or German";
        // The German file spells umlauts as entities; they must come out as
        // letters whatever the process's locale.
        QTest::newRow("German") << "de" << QString::fromUtf8("Die Bedienoberfläche spricht Deutsch");
    }

    void showsChangeHistoryOfTheCurrentLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        setLanguage(code);
        AboutDialog dialog(nullptr);
        const QString text = historyText(dialog);
        QVERIFY2(text.contains(expected), qPrintable(text.left(200)));
        // Shown as rich text, not as the file's markup.
        QVERIFY(!text.contains(QStringLiteral("<li>")));
        QVERIFY(dialog.findChild<QTextEdit*>(QStringLiteral("txtChangeHistory"))->isReadOnly());
    }

    void reportsMissingChangeHistoryInsideThePage()
    {
        setLanguage(QStringLiteral("xx"));
        AboutDialog dialog(nullptr);
        const QString prefix = QStringLiteral("Change history not found: ") + QCoreApplication::applicationDirPath()
            + QStringLiteral("/../resources/change_history_xx, ");
        const QString text = historyText(dialog);
        QVERIFY2(text.startsWith(prefix), qPrintable(text));
        QVERIFY(text.size() > prefix.size()); // the system's reason follows
    }

    void opensOnTheSelectedPage()
    {
        AboutDialog dialog(nullptr);
        auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->count(), 3);
        dialog.selectTab(1);
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("tabChangeHistory"));
        dialog.selectTab(0);
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("tabPlanformix"));
    }

    void bothButtonsHideTheDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << "btnAboutOk";
        QTest::newRow("Cancel") << "btnAboutCancel";
    }

    void bothButtonsHideTheDialog()
    {
        QFETCH(QString, button);
        QWidget owner;
        auto* dialog = new AboutDialog(&owner);
        QPointer<AboutDialog> guard(dialog);
        dialog->show();
        QVERIFY(dialog->isVisible());
        dialog->findChild<QPushButton*>(button)->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!guard.isNull()); // hidden, not deleted: its owner deletes it
    }

    void languageSwitchRetranslatesAndReloadsHistory()
    {
        AboutDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Planformix"));
        // A credit whose English text was edited without its German entry
        // would stay English.
        const QStringList credits = {"label_3", "label_4", "label_5", "label_7"};
        QStringList english;
        for (const QString& name : credits)
            english << dialog.findChild<QLabel*>(name)->text();

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("planformix_de"), langDir()));
        setLanguage(QStringLiteral("de"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCoreApplication::processEvents();

        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Über Planformix"));
        auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        QCOMPARE(tabs->tabText(1), QString::fromUtf8("Änderungen"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnAboutCancel"))->text(),
                 QStringLiteral("Abbrechen"));
        QVERIFY(historyText(dialog).contains(QStringLiteral("Deutsch oder Englisch")));
        QVERIFY(versionText(dialog).contains(QStringLiteral(">1.2.3<")));
        for (int i = 0; i < credits.size(); ++i)
            QVERIFY2(dialog.findChild<QLabel*>(credits[i])->text() != english[i], qPrintable(credits[i]));

        setLanguage(QStringLiteral("en"));
        QVERIFY(QCoreApplication::removeTranslator(&translator));
        QCoreApplication::processEvents();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Planformix"));
        QVERIFY(historyText(dialog).contains(QStringLiteral("English or German")));
        QVERIFY(versionText(dialog).contains(QStringLiteral(">1.2.3<")));
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
