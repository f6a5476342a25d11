#pragma once

#include <QComboBox>

// Drop-down list of the spar type names in the spar table's type column.
class XSparTypeEdit : public QComboBox
{
    Q_OBJECT

public:
    explicit XSparTypeEdit(QWidget* parent = nullptr);
};
