#pragma once

#include <QComboBox>

// Drop-down list of the comb type names in the comb table's type column.
class XCombTypeEdit : public QComboBox
{
    Q_OBJECT

public:
    explicit XCombTypeEdit(QWidget* parent = nullptr);
};
