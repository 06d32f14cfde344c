#pragma once

#include "Services.h"

#include <QList>

#include <memory>

class QWidget;

namespace drovan::ui {

class TRegionalDistrictPayments;
class TRegionalDistrictMaintenance;
class TPayment_Add;
class TForm_Tax_Year;
class TPayment_Change;
class THelp;
class TAboutBox;
class TSubmitPayments;

// The eight windows, created once in a fixed order with the main window first, and reachable
// from each other through here. None is shown by creating it.
class FormSet {
public:
    explicit FormSet(Services services);
    ~FormSet();
    FormSet(const FormSet &) = delete;
    FormSet &operator=(const FormSet &) = delete;

    TRegionalDistrictPayments &RegionalDistrictPayments() const {
        return *regionalDistrictPayments_;
    }
    TRegionalDistrictMaintenance &RegionalDistrictMaintenance() const {
        return *regionalDistrictMaintenance_;
    }
    TPayment_Add &Payment_Add() const { return *payment_Add_; }
    TForm_Tax_Year &Form_Tax_Year() const { return *form_Tax_Year_; }
    TPayment_Change &Payment_Change() const { return *payment_Change_; }
    THelp &Help() const { return *help_; }
    TAboutBox &AboutBox() const { return *aboutBox_; }
    TSubmitPayments &SubmitPayments() const { return *submitPayments_; }

    // In creation order.
    QList<QWidget *> windows() const;

private:
    // Declared in creation order, so they are destroyed in the reverse order.
    std::unique_ptr<TRegionalDistrictPayments> regionalDistrictPayments_;
    std::unique_ptr<TRegionalDistrictMaintenance> regionalDistrictMaintenance_;
    std::unique_ptr<TPayment_Add> payment_Add_;
    std::unique_ptr<TForm_Tax_Year> form_Tax_Year_;
    std::unique_ptr<TPayment_Change> payment_Change_;
    std::unique_ptr<THelp> help_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TSubmitPayments> submitPayments_;
};

} // namespace drovan::ui
