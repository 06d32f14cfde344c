#pragma once

#include "Services.h"
#include "document/CollectionDocument.h"

#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;

namespace drovan::ui {

class ChargeTableModel;
class FormSet;

// The main window: owns the collection document and shows it in a welcome state and a document
// state. Its handlers follow the program's workflow; the rules themselves live in the core.
class TRegionalDistrictPayments final : public QMainWindow {
    Q_OBJECT
public:
    TRegionalDistrictPayments(Services services, FormSet &forms, QWidget *parent = nullptr);
    ~TRegionalDistrictPayments() override;

    CollectionDocument &document() { return document_; }
    const CollectionDocument &document() const { return document_; }
    ChargeTableModel &chargeModel() { return *model_; }

    void FormCreate();
    void FormShow();
    // True when the window may close.
    bool FormClose();

    void Button_Welcome_NewClick();
    void Button_Welcome_LoadClick();
    void Button_SaveClick();
    void MenuSaveAsClick();
    void Button_Status_RegionalDistrictClick();
    void Button_Tax_YearClick();
    void Button_SubmitClick();
    void Button_Payments_AddClick();
    void Button_Payments_ChangeClick();
    void Button_Payments_DeleteClick();
    void MenuDeleteAllClick();
    void MenuNewClick();
    void MenuExitClick();
    void MenuHelpClick();
    void MenuAboutClick();

    // Opens the document panels (after Start New with a district, and after a load).
    void CloseWelcomGroup();
    // Colours and hints of the code and name labels; see the core's check.
    void Set_CodeAndName_Hints();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWelcomePanel(QWidget *central);
    void buildStatusPanel(QWidget *central);
    void buildPaymentsPanel(QWidget *central);
    void buildMenu();
    void connectHandlers();

    void onDocumentChanged(DocumentChange change);
    void refreshHeader();
    void refreshFileState();
    void refreshTotal();
    void refreshUnsaved();
    void refreshCharges();
    void selectCurrentRow();
    void moveCurrentRow(int delta, bool absolute);
    void showLoadProgress(std::uint64_t bytesRead, std::uint64_t size);
    bool confirmDeletion(const QString &question);

public:
    // A load shows its progress once it has taken this long; tests set it to zero.
    int loadProgressDelayMs = 500;

private:
    Services services_;
    FormSet &forms_;
    CollectionDocument document_;
    ChargeTableModel *model_ = nullptr;
    bool shownOnce_ = false;
    bool syncingSelection_ = false;

    // Welcome panel
    QGroupBox *GroupBox_Welcome = nullptr;
    QLabel *Label_Welcome = nullptr;
    QLabel *Image_Drovan = nullptr;
    QPushButton *Button_Welcome_New = nullptr;
    QPushButton *Button_Welcome_Load = nullptr;

    // Status panel
    QGroupBox *GroupBox_Status = nullptr;
    QLabel *Label_Status_PaymentFile = nullptr;
    QLabel *Label_Status_PaymentFile2 = nullptr;
    QLabel *Label_Code_Text = nullptr;
    QLabel *Label_Code = nullptr;
    QLabel *Label_Name_Text = nullptr;
    QLabel *Label_Name = nullptr;
    QLabel *Label_Tax_Year_Caption = nullptr;
    QLabel *Label_Tax_Year = nullptr;
    QLabel *Label_TotalPaymentAmount_Label = nullptr;
    QLabel *Label_TotalPaymentAmount = nullptr;
    QLabel *Label_TotalPaymentAmount_Number = nullptr;
    QLabel *Label_Unsaved_Changes = nullptr;
    QPushButton *Button_Status_RegionalDistrict = nullptr;
    QPushButton *Button_Tax_Year = nullptr;
    QPushButton *Button_Submit = nullptr;
    QPushButton *Button_Save = nullptr;

    // Charges panel and grid
    QGroupBox *GroupBox_Payments = nullptr;
    QPushButton *Button_Payments_Add = nullptr;
    QPushButton *Button_Payments_Change = nullptr;
    QPushButton *Button_Payments_Delete = nullptr;
    QWidget *cxNavigator_Payments = nullptr;
    QTableView *cxGrid_Payments = nullptr;
    QProgressBar *ProgressBar_Load = nullptr;

    // Menu
    QAction *MenuNew = nullptr;
    QAction *MenuSaveAs = nullptr;
    QAction *MenuExit = nullptr;
    QAction *MenuAdd = nullptr;
    QAction *MenuChange = nullptr;
    QAction *MenuDelete = nullptr;
    QAction *MenuDeleteAll = nullptr;
    QAction *Menu_ViewPayment = nullptr;
    QAction *Menu_ViewExplanationType = nullptr;
    QAction *Menu_ViewExplanationNote = nullptr;
    QAction *MenuHelp = nullptr;
    QAction *MenuAbout = nullptr;
};

} // namespace drovan::ui
