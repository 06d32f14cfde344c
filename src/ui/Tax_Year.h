#pragma once

#include "Services.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QTimer;

namespace drovan {
class CollectionDocument;
}

namespace drovan::ui {

// The tax year dialog: offers last year, this year and next year by today's date, and on OK
// writes the chosen year into the document. Created once and reused.
class TForm_Tax_Year final : public QDialog {
    Q_OBJECT
public:
    TForm_Tax_Year(Services services, CollectionDocument &document, QWidget *parent = nullptr);
    ~TForm_Tax_Year() override;

    // The opening sequence, run each time the dialog is shown.
    void FormShow();
    // Run by every closing: OK, Cancel and the close box.
    void FormClose();

    // The OK rule.
    void SetOKButton();
    void Timer_Tax_YearTimer();
    void ComboBox_Tax_YearExit();
    void Button_Tax_Year_OKClick();
    void Button_Tax_Year_CancelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectHandlers();

    Services services_;
    CollectionDocument &document_;

    QGroupBox *GroupBox_Tax_Year = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *ComboBox_Tax_Year = nullptr;
    QLabel *Label_Note = nullptr;
    QPushButton *Button_Tax_Year_OK = nullptr;
    QPushButton *Button_Tax_Year_Cancel = nullptr;
    QTimer *Timer_Tax_Year = nullptr;
};

} // namespace drovan::ui
