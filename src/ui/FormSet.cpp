#include "FormSet.h"

#include "AboutUnit.h"
#include "HelpUnit.h"
#include "Payment_AddUnit.h"
#include "Payment_ChangeUnit.h"
#include "RegionalDistrictMaintenanceUnit1.h"
#include "RegionalUtilityPayments.h"
#include "SubmitPaymentsUnit.h"
#include "Tax_Year.h"

namespace drovan::ui {

FormSet::FormSet(Services services) {
    regionalDistrictPayments_ = std::make_unique<TRegionalDistrictPayments>(services, *this);
    CollectionDocument &document = regionalDistrictPayments_->document();
    regionalDistrictMaintenance_ =
        std::make_unique<TRegionalDistrictMaintenance>(services, document);
    payment_Add_ = std::make_unique<TPayment_Add>();
    form_Tax_Year_ = std::make_unique<TForm_Tax_Year>(services, document);
    payment_Change_ = std::make_unique<TPayment_Change>();
    help_ = std::make_unique<THelp>();
    aboutBox_ = std::make_unique<TAboutBox>();
    submitPayments_ = std::make_unique<TSubmitPayments>();
}

FormSet::~FormSet() = default;

QList<QWidget *> FormSet::windows() const {
    return {regionalDistrictPayments_.get(),
            regionalDistrictMaintenance_.get(),
            payment_Add_.get(),
            form_Tax_Year_.get(),
            payment_Change_.get(),
            help_.get(),
            aboutBox_.get(),
            submitPayments_.get()};
}

} // namespace drovan::ui
