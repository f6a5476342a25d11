#include "app/AboutDialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTextStream>

#include "foundation/ApplicationSettings.h"
#include "foundation/CompiledResources.h"
#include "foundation/FileErrorText.h"
#include "ui_AboutDialog.h"

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    // The logo and window icon are compiled-in pictures.
    CompiledResources::ensureLoaded();
    ui->setupUi(this);

    connect(ui->btnAboutOk, SIGNAL(clicked()), this, SLOT(btnOkPressed()));
    connect(ui->btnAboutCancel, SIGNAL(clicked()), this, SLOT(btnCancelPressed()));

    showVersion();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    loadChangeHistory();
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::selectTab(int index)
{
    ui->tabWidget->setCurrentIndex(index);
}

void AboutDialog::btnOkPressed()
{
    close();
}

void AboutDialog::btnCancelPressed()
{
    close();
}

void AboutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // retranslateUi puts the form's placeholder back.
        showVersion();
        loadChangeHistory();
    }
    QDialog::changeEvent(event);
}

void AboutDialog::showVersion()
{
    ui->lblVersion->setText(QStringLiteral("<html><head/><body><p><span style=\" font-weight:600;\">")
                            + ApplicationSettings::getApplicationVersion()
                            + QStringLiteral("</span></p></body></html>"));
}

void AboutDialog::loadChangeHistory()
{
    // The history is kept beside the program, one file per language code,
    // so it can be corrected without rebuilding.
    const QString fileName = QCoreApplication::applicationDirPath() + QStringLiteral("/")
        + QStringLiteral("../resources/change_history_")
        + ApplicationSettings::getInstance()->getSettings()->getLanguage();

    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        ui->txtChangeHistory->setText(stream.readAll());
        file.close();
    } else {
        ui->txtChangeHistory->setText(tr("Change history not found: ") + fileName + QStringLiteral(", ")
                                      + FileErrorText::reason(file));
    }
}
