#pragma once

#include "Services.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QTimer;

namespace drovan {
class CollectionDocument;
}

namespace drovan::ui {

struct DistrictGroupControls;

// The district identity dialog: a regional district or a municipality, picked from its list or
// typed by hand. Created once and reused, so every control keeps its state between openings
// except what the opening sets; OK writes kind, code and name into the document.
class TRegionalDistrictMaintenance final : public QDialog {
    Q_OBJECT
public:
    TRegionalDistrictMaintenance(Services services, CollectionDocument &document,
                                 QWidget *parent = nullptr);
    ~TRegionalDistrictMaintenance() override;

    // The opening sequence, run each time the dialog is shown.
    void FormShow();
    // Run by every closing: OK, Cancel and the close box.
    void FormClose();

    void IAmaRegionalDistrict();
    void IAmaMunicipality();
    void SetScreenForNormalRegionalDistrictSelection();
    void SetScreenForManualRegionalDistrictSelection();
    void SetScreenForNormalMunicipalitySelection();
    void SetScreenForManualMunicipalitySelection();

    void RadioButton_RDClick();
    void RadioButton_MuniClick();
    void CheckBox_OverrideClick();
    void CheckBox_Override_MuniClick();
    void ComboBox_RegionalDistrictChange();
    void ComboBox_MunicipalityChange();
    // Shared by both code fields and by both name fields; each trims the field that was left.
    void Edit_RegionalDistrict_CodeExit(QWidget *sender);
    void Edit_RegionalDistrict_NameExit(QWidget *sender);
    // The OK rule.
    void Timer_OK_ButtonTimer();
    void Button_OKClick();
    void Button_CancelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildKindChoice();
    QGroupBox *buildGroup(bool regional);
    void connectHandlers();
    DistrictGroupControls groupOf(bool regional) const;
    bool regionalChecked() const;

    Services services_;
    CollectionDocument &document_;

    QLabel *Label_RegionalDistrictMaintenance_Info = nullptr;
    QGroupBox *GroupBox_RD_or_Muni = nullptr;
    QRadioButton *RadioButton_RD = nullptr;
    QRadioButton *RadioButton_Muni = nullptr;

    QGroupBox *GroupBox_RD = nullptr;
    QLabel *Label_RegionalDistrict = nullptr;
    QComboBox *ComboBox_RegionalDistrict = nullptr;
    QCheckBox *CheckBox_Override = nullptr;
    QLabel *Label_RegionalDistrict_Code_Override = nullptr;
    QLineEdit *Edit_RegionalDistrict_Code = nullptr;
    QLabel *Label_RegionalDistrict_Override = nullptr;
    QLineEdit *Edit_RegionalDistrict_Name = nullptr;

    QGroupBox *GroupBox_Muni = nullptr;
    QLabel *Label_Municipality = nullptr;
    QComboBox *ComboBox_Municipality = nullptr;
    QCheckBox *CheckBox_Override_Muni = nullptr;
    QLabel *Label_Municipality_Code_Override = nullptr;
    QLineEdit *Edit_Municipality_Code = nullptr;
    QLabel *Label_Municipality_Override = nullptr;
    QLineEdit *Edit_Municipality_Name = nullptr;

    QPushButton *Button_OK = nullptr;
    QPushButton *Button_Cancel = nullptr;
    QTimer *Timer_OK_Button = nullptr;
};

} // namespace drovan::ui
