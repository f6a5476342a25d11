#pragma once

#include "foundation/Observer.h"

#include <QHash>
#include <QObject>
#include <QString>

class PlaneModel;
class PlaneVisualisationOptions;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Drives the summary page: shows the plane's span, area, chord, fuselage
// length and wing position in the chosen unit, edits the plane name, and
// writes the unit and the consider-dihedral switch back into the plane.
// The widgets belong to the central form; this object only fills them.
// The plane holds every length in millimetres; converting them is a matter
// of display and happens only here. The unit and the switch are kept in the
// document as this view's record. While the plane is held unbuilt for lack
// of memory, its figures are not known: each shows a dash and says why.
class PlaneSummaryArea : public QObject, public Observer
{
    Q_OBJECT

public:
    // The form is the central form (anything with its summary widgets under
    // their form names). options: the main 3D view's record, whose gap
    // between the wing halves counts into the span.
    template <class Form>
    PlaneSummaryArea(Form* form, const PlaneVisualisationOptions* options)
        : PlaneSummaryArea(Widgets{form->txtPlaneName, form->lblWingSpanValue, form->lblWingAreaValue,
                                   form->lblChorLenValue, form->lblTailVolumeValue, form->lblFuselageLenValue,
                                   form->lblWingPositionValue, form->rbtnMM, form->rbtnDM, form->rbtnIN,
                                   form->chkConsiderDihedral},
                           options)
    {
    }

    PlaneSummaryArea(const PlaneSummaryArea&) = delete;
    PlaneSummaryArea& operator=(const PlaneSummaryArea&) = delete;

    // Called once the object observes the plane.
    void connectSignals();

    void observedObjectChanged(Observable* observable) override;
    void saveViewData(serializedPlanformixData& data) override;
    void loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint) override;

    void refresh();

    // Unit codes as the plane and the document keep them.
    enum Units { Millimetres = 0, Decimetres = 1, Inches = 2 };
    // A code outside the three known units gives 0.
    static float convertLength(float millimetres, int units);
    static float convertArea(float squareMillimetres, int units);

public slots:
    void onRadioButtonToggled(bool checked);
    void onConsiderDihedralToggled(bool checked);
    void on_txtPlaneName_textEdited(const QString& text);

private:
    struct Widgets {
        QLineEdit* txtPlaneName;
        QLabel* lblWingSpanValue;
        QLabel* lblWingAreaValue;
        QLabel* lblChorLenValue;
        QLabel* lblTailVolumeValue;
        QLabel* lblFuselageLenValue;
        QLabel* lblWingPositionValue;
        QRadioButton* rbtnMM;
        QRadioButton* rbtnDM;
        QRadioButton* rbtnIN;
        QCheckBox* chkConsiderDihedral;
    };
    PlaneSummaryArea(const Widgets& widgets, const PlaneVisualisationOptions* options);

    void selectUnitButton(int units);
    int selectedUnitButton() const;
    static QString formatValue(float value);
    void showValue(QLabel* label, const QString& text);

    QLineEdit* txtPlaneName;
    QLabel* lblWingSpanValue;
    QLabel* lblWingAreaValue;
    QLabel* lblChorLenValue;
    QLabel* lblTailVolumeValue;
    QLabel* lblFuselageLenValue;
    QLabel* lblWingPositionValue;
    const PlaneVisualisationOptions* options;
    QRadioButton* rbtnMM;
    QRadioButton* rbtnDM;
    QRadioButton* rbtnIN;
    QCheckBox* chkConsiderDihedral;
    PlaneModel* model;
    // The least width each value label has in the form; a longer value
    // widens its label beyond it.
    QHash<const QLabel*, int> formMinimumWidths;
};
