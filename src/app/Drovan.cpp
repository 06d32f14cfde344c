#include "FormSet.h"
#include "Platform.h"
#include "Prompts.h"
#include "QtSettingsStore.h"
#include "RegionalUtilityPayments.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(drovan::ui::kApplicationTitle);

    drovan::ui::QtSettingsStore settings;
    drovan::ui::QtPrompts prompts;
    drovan::ui::SystemClock clock;
    drovan::ui::FormSet forms({settings, prompts, clock});

    forms.RegionalDistrictPayments().show();
    return QApplication::exec();
}
