#pragma once

// Sources the translation check must refuse. This class lacks Q_OBJECT, so
// its tr() is QDialog's and asks for the text under "QDialog" at run time.
#include <QDialog>

class ScaleDialog : public QDialog
{
public:
    explicit ScaleDialog(QWidget* parent = nullptr);
};
