#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "foundation/AtomicFileWriter.h"
#include "foundation/CompiledResources.h"

#include <unistd.h>

// The German catalogue as the program finds it beside its resources, and the
// catalogue source it is compiled from.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    static QString langDir() { return QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang"); }

    struct Entry {
        QString context;
        QString source;
        QString translation;
    };

    static QVector<Entry> readCatalogueSource()
    {
        QVector<Entry> entries;
        QFile file(QStringLiteral(PLANFORMIX_SOURCE_DIR "/translations/planformix_de.ts"));
        if (!file.open(QIODevice::ReadOnly))
            return entries;
        QXmlStreamReader xml(&file);
        QString context;
        Entry entry;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                entry.source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                entry.translation = xml.readElementText();
                entry.context = context;
                if (!unfinished && !entry.translation.isEmpty())
                    entries.append(entry);
            }
        }
        return entries;
    }

    static QStringList placeholders(const QString& text)
    {
        QStringList found;
        auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
        while (it.hasNext())
            found << it.next().captured();
        found.sort();
        return found;
    }

private slots:
    void translatesKnownTextsInTheirContexts_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("german");
        QTest::newRow("menu") << "MainWindow" << "&File" << "&Datei";
        QTest::newRow("language") << "MainWindow" << "German" << "Deutsch";
        QTest::newRow("question") << "FileManager" << "Unsaved changes detected"
                                  << QString::fromUtf8("Ungespeicherte Änderungen");
        QTest::newRow("filter") << "QObject" << " files (*.pfz)" << "-Dateien (*.pfz)";
        QTest::newRow("about") << "AboutDialog" << "Change History" << QString::fromUtf8("Änderungen");
        QTest::newRow("table header") << "PanelBaseData" << "Dihedral" << "V-Form";
        // Records name their own columns, in their own contexts.
        QTest::newRow("spar header") << "SparDefinition" << "Spar Type" << "Holmart";
        QTest::newRow("strip header") << "SheetingStripDefinition" << "First rib" << "Erste Rippe";
        QTest::newRow("spar table") << "SparsTableModel" << "Spar #" << "Holm Nr.";
        // Asked by the panel table, though built elsewhere.
        QTest::newRow("add panel") << "PanelsTable" << "Add new panel" << QString::fromUtf8("Neues Segment anfügen");
        // One source text, different contexts: each context keeps its own.
        QTest::newRow("dxf title") << "DXFExportDialog" << "Export to DXF" << "Als DXF exportieren";
        // The picture with words in it has a German drawing.
        QTest::newRow("picture") << "WingPanelDialog" << "sheeting-advanced-v2-en.png"
                                 << "sheeting-advanced-v2-de.png";
    }

    void translatesKnownTextsInTheirContexts()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, german);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("planformix_de"), langDir()));
        QCOMPARE(translator.translate(context.toUtf8().constData(), source.toUtf8().constData()), german);
        // A text unknown to the context stays untranslated, so the caller
        // falls back to the English source.
        QVERIFY(translator.translate("NoSuchContext", source.toUtf8().constData()).isEmpty());
    }

    // A translated picture name that is not compiled in leaves a blank. Every
    // picture of the panel dialog names its measures like the fields beside
    // it, so its German drawing, from the same geometry, differs from the
    // English one.
    void translatedPictureNamesExist()
    {
        CompiledResources::ensureLoaded();
        QStringList pictures;
        for (const Entry& e : readCatalogueSource()) {
            if (!e.source.endsWith(QLatin1String(".png")))
                continue;
            pictures << e.source;
            const QImage english(QStringLiteral(":/images/images/") + e.source);
            const QImage german(QStringLiteral(":/images/images/") + e.translation);
            const QString names = e.source + QStringLiteral(" -> ") + e.translation;
            QVERIFY2(!english.isNull() && !german.isNull(), qPrintable(names));
            QVERIFY2(german.size() == english.size(), qPrintable(names));
            QVERIFY2(german != english, qPrintable(names));
        }
        // The eleven pictures of the editor pages (two of them shown twice)
        // and the strip trailing edge's.
        QCOMPARE(pictures.size(), 10);
    }

    // Without it file dialogs and message boxes stay English in German.
    void loadsQtsOwnGermanTexts()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("qt_de"), langDir()));
        QCOMPARE(translator.translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    // Qt 5 words the commonest file errors in English whatever the language;
    // a German message must not end in one, nor an English one in German.
    void fileErrorReasonsFollowTheLanguage_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder, English") << false << false << "No such file or directory";
        QTest::newRow("missing folder, German") << false << true << "Datei oder Ordner nicht gefunden";
        QTest::newRow("read-only folder, English") << true << false << "Permission denied";
        QTest::newRow("read-only folder, German") << true << true << "Keine Berechtigung";
    }

    void fileErrorReasonsFollowTheLanguage()
    {
        QFETCH(bool, readOnlyFolder);
        QFETCH(bool, german);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString target = folder.filePath(QStringLiteral("missing/plane.pfz"));
        if (readOnlyFolder) {
            target = folder.filePath(QStringLiteral("plane.pfz"));
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                             | QFile::ExeOther));
        }
        QTranslator translator;
        if (german) {
            QVERIFY(translator.load(QStringLiteral("planformix_de"), langDir()));
            QVERIFY(QCoreApplication::installTranslator(&translator));
        }
        // The superuser may write anywhere; the folder refuses everyone else.
        const bool asOtherUser = readOnlyFolder && geteuid() == 0;
        if (asOtherUser && seteuid(65534) != 0)
            QSKIP("cannot write as another user");
        QString error;
        const bool written = AtomicFileWriter::writeFile(target, "plane", &error);
        if (asOtherUser)
            QVERIFY(seteuid(0) == 0);
        QCoreApplication::removeTranslator(&translator);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(error, reason);
    }

    // A translation that loses a placeholder, a trailing line feed or a
    // menu accelerator breaks the message built around it.
    void translationsKeepPlaceholdersLineFeedsAndAccelerators()
    {
        const QVector<Entry> entries = readCatalogueSource();
        QVERIFY(entries.size() > 100);
        for (const Entry& e : entries) {
            const QString where = e.context + QStringLiteral(": ") + e.source;
            QVERIFY2(placeholders(e.source) == placeholders(e.translation), qPrintable(where));
            QVERIFY2(e.source.endsWith(QLatin1Char('\n')) == e.translation.endsWith(QLatin1Char('\n')),
                     qPrintable(where));
            QVERIFY2(e.source.startsWith(QLatin1Char('\n')) == e.translation.startsWith(QLatin1Char('\n')),
                     qPrintable(where));
            const bool sourceAccel = e.source.contains(QRegularExpression(QStringLiteral("&[^&\\s;]")))
                && !e.source.contains(QLatin1Char('<'));
            if (sourceAccel)
                QVERIFY2(e.translation.contains(QRegularExpression(QStringLiteral("&[^&\\s]"))), qPrintable(where));
        }
    }

    void acceleratorsOfOneMenuDoNotClash()
    {
        // Letters a German user types after Alt in the File and Edit menus.
        const QStringList fileMenu = {"&New", "&Load", "&Save", "Save &As", "Import &Airfoil (DAT or COR)",
                                      "&Close", "E&xit"};
        const QStringList editMenu = {"&Undo", "&Redo"};
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("planformix_de"), langDir()));
        for (const QStringList& menu : {fileMenu, editMenu}) {
            QSet<QChar> letters;
            for (const QString& source : menu) {
                const QString german = translator.translate("MainWindow", source.toUtf8().constData());
                QVERIFY2(!german.isEmpty(), qPrintable(source));
                const int amp = german.indexOf(QLatin1Char('&'));
                QVERIFY2(amp >= 0 && amp + 1 < german.size(), qPrintable(german));
                const QChar letter = german.at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(german));
                letters.insert(letter);
            }
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
