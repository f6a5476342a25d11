#pragma once

#include <QDialog>
#include <QString>

class DXFSettings;
class QAbstractButton;

namespace Ui {
class DXFExportDialog;
}

// Asks for the DXF output file and whether ribs get boxes. Edits the
// caller's DXFSettings in place, so the caller reads it after acceptance.
class DXFExportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DXFExportDialog(DXFSettings* settings);
    // The form alone, without settings and without connections.
    explicit DXFExportDialog(QWidget* parent);
    ~DXFExportDialog() override;

    QAbstractButton* okButton() const;

public slots:
    void textEdited(const QString& text);
    void dxfFileDialog();
    void OKPressed();

private:
    void buildForm();

    Ui::DXFExportDialog* ui;
    DXFSettings* settings = nullptr;
};
