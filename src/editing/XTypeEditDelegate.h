#pragma once

#include <QItemDelegate>
#include <QString>
#include <vector>

class QComboBox;

// Shared behaviour of the type-column editors of the spar and comb tables:
// the cell holds a small type number, shown and picked by its translated
// name. The two tables differ only in the combo box class they use and in
// how the record of a row tells its type.
class XTypeEditDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    // names[i] is the name of type number i.
    explicit XTypeEditDelegate(const std::vector<QString>& names);

    // After a language change the owner hands in the newly translated names.
    void setTypeNames(const std::vector<QString>& names);
    const std::vector<QString>& getTypeNames() const { return typeNames; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The text a cell of the given type number shows.
    QString nameOfType(int type) const;

protected:
    virtual QComboBox* makeTypeEdit(QWidget* parent) const = 0;
    // The type of the record in a row, when the model is the one the table
    // belongs to and the row exists.
    virtual bool typeOfRow(const QAbstractItemModel* model, int row, int& type) const = 0;

private:
    std::vector<QString> typeNames;
};
