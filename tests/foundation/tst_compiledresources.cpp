#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <QtTest>

#include "foundation/CompiledResources.h"

// Every picture listed in the resource file must reach the program: a file
// missing from the list, a broken PNG or a lost registration would show as an
// empty button or a blank picture only when someone opens that dialog.
class TestCompiledResources : public QObject
{
    Q_OBJECT

private slots:
    void everyListedPictureLoads();
};

void TestCompiledResources::everyListedPictureLoads()
{
    CompiledResources::ensureLoaded();
    CompiledResources::ensureLoaded(); // a second call must be harmless

    QFile list(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources.qrc"));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&list);
    QString prefix;
    QStringList paths;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("qresource"))
            prefix = xml.attributes().value(QStringLiteral("prefix")).toString();
        else if (xml.name() == QLatin1String("file"))
            paths << QStringLiteral(":") + prefix + QStringLiteral("/") + xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(paths.contains(QStringLiteral(":/images/images/box-top.png")));

    for (const QString& path : paths) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QVERIFY2(image.width() >= 16 && image.height() >= 16, qPrintable(path));
    }
}

QTEST_MAIN(TestCompiledResources)
#include "tst_compiledresources.moc"
