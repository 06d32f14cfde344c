#include "Colours.h"
#include "RegionalDistrictMaintenanceUnit1.h"
#include "RegionalUtilityPayments.h"
#include "TextCodec.h"
#include "UiFixture.h"
#include "document/CollectionDocument.h"
#include "entry/SettingsStore.h"
#include "reference/ReferenceLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace drovan;
using namespace drovan::ui;
using namespace drovan::ui::test;

namespace {

const QString kUnsetRd = QStringLiteral("The Regional District is not selected");
const QString kUnsetMuni = QStringLiteral("The Municipality is not selected");
const QString kLoading = QStringLiteral("The Regional District \\ Municipality is not selected");

// The controls of one group by name.
struct GroupNames {
    const char *group;
    const char *listLabel;
    const char *list;
    const char *override;
    const char *codeLabel;
    const char *code;
    const char *nameLabel;
    const char *name;
};

const GroupNames kRd{"GroupBox_RD",
                     "Label_RegionalDistrict",
                     "ComboBox_RegionalDistrict",
                     "CheckBox_Override",
                     "Label_RegionalDistrict_Code_Override",
                     "Edit_RegionalDistrict_Code",
                     "Label_RegionalDistrict_Override",
                     "Edit_RegionalDistrict_Name"};
const GroupNames kMuni{"GroupBox_Muni",
                       "Label_Municipality",
                       "ComboBox_Municipality",
                       "CheckBox_Override_Muni",
                       "Label_Municipality_Code_Override",
                       "Edit_Municipality_Code",
                       "Label_Municipality_Override",
                       "Edit_Municipality_Name"};

const GroupNames &groupNames(bool muni) {
    return muni ? kMuni : kRd;
}

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

} // namespace

class DistrictDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> fx;
    TRegionalDistrictMaintenance *dialog = nullptr;
    TRegionalDistrictPayments *window = nullptr;

    CollectionDocument &doc() { return window->document(); }

    template <typename T> T *find(const char *name) { return control<T>(dialog, name); }
    QLineEdit *field(const char *name) { return find<QLineEdit>(name); }
    QComboBox *list(const char *name) { return find<QComboBox>(name); }
    QPushButton *ok() { return find<QPushButton>("Button_OK"); }
    QTimer *timer() { return find<QTimer>("Timer_OK_Button"); }
    QString windowLabel(const char *name) { return child<QLabel>(window, name)->text(); }

    void open(bool muni, const QString &code, const QString &name) {
        doc().setDistrict(muni ? DistrictKind::Municipality : DistrictKind::RegionalDistrict,
                          fromQString(code), fromQString(name));
        dialog->FormShow();
    }
    bool okAfterRule() {
        dialog->Timer_OK_ButtonTimer();
        return ok()->isEnabled();
    }
    void pick(const char *listName, const char *row) {
        QComboBox *box = list(listName);
        const int index = box->findText(QString::fromLatin1(row));
        QVERIFY2(index >= 0, row);
        box->setCurrentIndex(index);
    }
    void typeInto(QLineEdit *edit, const QString &text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void leave(QWidget *control, Qt::FocusReason reason = Qt::TabFocusReason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(control, &out);
    }
    // The enabling and colours of one group's controls in list or manual mode.
    void expectMode(const GroupNames &g, bool manual) {
        const QColor on = windowBackground();
        QCOMPARE(find<QLabel>(g.listLabel)->isEnabled(), !manual);
        QCOMPARE(list(g.list)->isEnabled(), !manual);
        QCOMPARE(colours::backgroundOf(list(g.list)), manual ? colours::silver : on);
        QCOMPARE(find<QLabel>(g.codeLabel)->isEnabled(), manual);
        QCOMPARE(find<QLabel>(g.nameLabel)->isEnabled(), manual);
        for (const char *name : {g.code, g.name}) {
            QCOMPARE(field(name)->isEnabled(), manual);
            QCOMPARE(colours::backgroundOf(field(name)), manual ? on : colours::silver);
        }
    }

private Q_SLOTS:
    void init() {
        fx = std::make_unique<UiFixture>();
        fx->create();
        dialog = &fx->forms->RegionalDistrictMaintenance();
        window = &fx->forms->RegionalDistrictPayments();
    }
    void cleanup() {
        dialog = nullptr;
        window = nullptr;
        fx.reset();
    }

    void createdWithEveryControlAndCaption() {
        QCOMPARE(dialog->windowTitle(),
                 QStringLiteral("Drovan: Regional District / Municipality Maintenance"));
        QCOMPARE(colours::backgroundOf(dialog), colours::aqua);
        const QList<QPair<const char *, QString>> captions = {
            {"Label_RegionalDistrictMaintenance_Info",
             QStringLiteral("Please identify your Regional District or Municipality")},
            {"Label_RegionalDistrict", QStringLiteral("Regional District")},
            {"Label_RegionalDistrict_Code_Override", QStringLiteral("Regional District Code")},
            {"Label_RegionalDistrict_Override", QStringLiteral("Regional District Name")},
            {"Label_Municipality", QStringLiteral("Municipality")},
            {"Label_Municipality_Code_Override", QStringLiteral("Municipality Code")},
            {"Label_Municipality_Override", QStringLiteral("Municipality Name")},
        };
        for (const auto &[name, caption] : captions)
            QCOMPARE(find<QLabel>(name)->text(), caption);
        const QList<QPair<const char *, QString>> buttons = {
            {"RadioButton_RD", QStringLiteral("I am a Regional District")},
            {"RadioButton_Muni", QStringLiteral("I am a Municipality")},
            {"CheckBox_Override",
             QStringLiteral("Let me manually enter the Regional District Code ( Override )")},
            {"CheckBox_Override_Muni",
             QStringLiteral("Let me manually enter the Municipality Code ( Override )")},
            {"Button_OK", QStringLiteral("OK")},
            {"Button_Cancel", QStringLiteral("Cancel")},
        };
        for (const auto &[name, caption] : buttons)
            QCOMPARE(find<QAbstractButton>(name)->text(), caption);
        const QList<QPair<const char *, QString>> groups = {
            {"GroupBox_RD_or_Muni", QStringLiteral("< Regional District or Municipality >")},
            {"GroupBox_RD", QStringLiteral("< Regional District >")},
            {"GroupBox_Muni", QStringLiteral("< Municipality >")},
        };
        for (const auto &[name, caption] : groups)
            QCOMPARE(find<QGroupBox>(name)->title(), caption);

        auto *info = find<QLabel>("Label_RegionalDistrictMaintenance_Info");
        QCOMPARE(info->font().bold(), true);
        QCOMPARE(info->palette().color(QPalette::WindowText), colours::navy);
        QCOMPARE(find<QRadioButton>("RadioButton_RD")->isChecked(), true);
        QCOMPARE(find<QGroupBox>("GroupBox_RD")->isHidden(), false);
        QCOMPARE(find<QGroupBox>("GroupBox_Muni")->isHidden(), true);
        for (const GroupNames *g : {&kRd, &kMuni}) {
            QCOMPARE(list(g->list)->isEditable(), true);
            QCOMPARE(list(g->list)->currentText(), QString());
            QCOMPARE(find<QCheckBox>(g->override)->isChecked(), false);
            expectMode(*g, false);
        }
        QCOMPARE(ok()->isEnabled(), true);
        QCOMPARE(timer()->isActive(), false);
        QCOMPARE(timer()->interval(), 500);
    }

    void listsHoldTheReferenceRows_data() {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<int>("list");
        QTest::newRow("regional districts") << QStringLiteral("ComboBox_RegionalDistrict")
                                            << static_cast<int>(ReferenceList::RegionalDistrict);
        QTest::newRow("municipalities") << QStringLiteral("ComboBox_Municipality")
                                        << static_cast<int>(ReferenceList::Municipality);
    }
    void listsHoldTheReferenceRows() {
        QFETCH(QString, listName);
        QFETCH(int, list);
        const auto expected = rows(static_cast<ReferenceList>(list));
        QComboBox *box = this->list(listName.toLatin1().constData());
        QCOMPARE(box->count(), static_cast<int>(expected.size()));
        for (int i = 0; i < box->count(); ++i)
            QCOMPARE(box->itemText(i), toQString(expected[static_cast<std::size_t>(i)]));
    }

    void opensFromTheHeader_data() {
        QTest::addColumn<bool>("muni");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("listText");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("rdCode");
        QTest::addColumn<QString>("rdName");
        QTest::addColumn<QString>("muniCode");
        QTest::addColumn<QString>("muniName");
        QTest::addColumn<bool>("okEnabled");
        const QString capital = QStringLiteral("CAPITAL");
        const QString castlegar = QStringLiteral("CASTLEGAR");
        const QString castlegarRow = QStringLiteral("CASTLEGAR ");
        const QString somewhere = QStringLiteral("SOMEWHERE");
        const QString n00 = QStringLiteral("00");
        const QString n03 = QStringLiteral("03");
        const QString n30 = QStringLiteral("30");
        const QString n201 = QStringLiteral("201");
        // A fresh dialog's regional district fields are empty; a municipality opening leaves
        // them alone but for the unset name.
        QTest::newRow("initial header") << false << n00 << kUnsetRd << QString() << false << n00
                                        << kUnsetRd << n00 << kUnsetMuni << false;
        QTest::newRow("03 CAPITAL") << false << n03 << capital << QStringLiteral("03 CAPITAL")
                                    << false << n03 << capital << n03 << capital << true;
        QTest::newRow("district 30 not on the list")
            << false << n30 << somewhere << QString() << true << n30 << somewhere << n30
            << somewhere << true;
        QTest::newRow("CASTLEGAR without the row's blank")
            << true << n201 << castlegar << QString() << true << QString() << QString() << n201
            << castlegar << true;
        QTest::newRow("CASTLEGAR with the row's blank")
            << true << n201 << castlegarRow << QStringLiteral("201 CASTLEGAR ") << false
            << QString() << QString() << n201 << castlegarRow << true;
        QTest::newRow("load found no district") << false << n00 << kLoading << QString() << true
                                                << n00 << kLoading << n00 << kLoading << true;
        QTest::newRow("load found no municipality")
            << true << n00 << kLoading << QString() << true << QString() << QString() << n00
            << kLoading << true;
        QTest::newRow("unset municipality") << true << n00 << kUnsetMuni << QString() << false
                                            << QString() << kUnsetRd << n00 << kUnsetMuni << false;
    }
    void opensFromTheHeader() {
        QFETCH(bool, muni);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, listText);
        QFETCH(bool, manual);
        QFETCH(QString, rdCode);
        QFETCH(QString, rdName);
        QFETCH(QString, muniCode);
        QFETCH(QString, muniName);
        QFETCH(bool, okEnabled);

        open(muni, code, name);
        const GroupNames &g = groupNames(muni);
        QCOMPARE(find<QRadioButton>("RadioButton_RD")->isChecked(), !muni);
        QCOMPARE(find<QRadioButton>("RadioButton_Muni")->isChecked(), muni);
        QCOMPARE(find<QGroupBox>("GroupBox_RD")->isHidden(), muni);
        QCOMPARE(find<QGroupBox>("GroupBox_Muni")->isHidden(), !muni);
        QCOMPARE(list(g.list)->currentText(), listText);
        QCOMPARE(find<QCheckBox>(g.override)->isChecked(), manual);
        expectMode(g, manual);
        QCOMPARE(field("Edit_RegionalDistrict_Code")->text(), rdCode);
        QCOMPARE(field("Edit_RegionalDistrict_Name")->text(), rdName);
        QCOMPARE(field("Edit_Municipality_Code")->text(), muniCode);
        QCOMPARE(field("Edit_Municipality_Name")->text(), muniName);
        QCOMPARE(timer()->isActive(), true);
        QCOMPARE(okAfterRule(), okEnabled);
    }

    void okWithoutAChangeLeavesTheFlag_data() {
        QTest::addColumn<bool>("unsavedBefore");
        QTest::newRow("saved") << false;
        QTest::newRow("unsaved") << true;
    }
    void okWithoutAChangeLeavesTheFlag() {
        QFETCH(bool, unsavedBefore);
        if (unsavedBefore)
            doc().markUnsaved();
        open(false, QStringLiteral("03"), QStringLiteral("CAPITAL"));
        QCOMPARE(okAfterRule(), true);
        ok()->click();
        QCOMPARE(dialog->result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(doc().hasUnsavedChanges(), unsavedBefore);
        QCOMPARE(doc().header().code, std::string("03"));
        QCOMPARE(doc().header().name, std::string("CAPITAL"));
        QCOMPARE(doc().header().kind(), DistrictKind::RegionalDistrict);
        QCOMPARE(timer()->isActive(), false);
    }

    void pickingTrailWritesTheMunicipality() {
        open(false, QStringLiteral("00"), kUnsetRd);
        QCOMPARE(okAfterRule(), false);
        find<QRadioButton>("RadioButton_Muni")->click();
        QCOMPARE(find<QGroupBox>("GroupBox_RD")->isHidden(), true);
        QCOMPARE(find<QGroupBox>("GroupBox_Muni")->isHidden(), false);
        pick("ComboBox_Municipality", "232 TRAIL ");
        QCOMPARE(field("Edit_Municipality_Code")->text(), QStringLiteral("232"));
        QCOMPARE(field("Edit_Municipality_Name")->text(), QStringLiteral("TRAIL "));
        QCOMPARE(okAfterRule(), true);
        ok()->click();
        QCOMPARE(doc().header().kind(), DistrictKind::Municipality);
        QCOMPARE(doc().header().code, std::string("232"));
        QCOMPARE(doc().header().name, std::string("TRAIL "));
        QCOMPARE(windowLabel("Label_Code_Text"), QStringLiteral("Municipality Code:"));
        QCOMPARE(windowLabel("Label_Name_Text"), QStringLiteral("Municipality Name:"));
        QCOMPARE(windowLabel("Label_Name"), QStringLiteral("TRAIL "));
        QCOMPARE(doc().hasUnsavedChanges(), true);
        QCOMPARE(child<QLabel>(window, "Label_Unsaved_Changes")->isHidden(), false);
        QCOMPARE(child<QPushButton>(window, "Button_Save")->isEnabled(), true);
    }

    void switchingTheKindAloneMarksNothing() {
        // A regional district opening gives the municipality fields the header's code and name.
        open(false, QStringLiteral("30"), QStringLiteral("SOMEWHERE"));
        find<QRadioButton>("RadioButton_Muni")->click();
        QCOMPARE(find<QGroupBox>("GroupBox_Muni")->isHidden(), false);
        // The municipality group is in list mode with no row; manual mode takes its fields.
        QCOMPARE(okAfterRule(), false);
        find<QCheckBox>("CheckBox_Override_Muni")->click();
        expectMode(kMuni, true);
        QCOMPARE(okAfterRule(), true);
        ok()->click();
        QCOMPARE(doc().header().kind(), DistrictKind::Municipality);
        QCOMPARE(doc().header().code, std::string("30"));
        QCOMPARE(doc().header().name, std::string("SOMEWHERE"));
        QCOMPARE(windowLabel("Label_Code_Text"), QStringLiteral("Municipality Code:"));
        QCOMPARE(doc().hasUnsavedChanges(), false);
    }

    void switchingToTheOtherGroupWritesItsOwnFields() {
        open(false, QStringLiteral("03"), QStringLiteral("CAPITAL"));
        dialog->Button_CancelClick();
        // A municipality opening leaves the regional district group as it was.
        open(true, QStringLiteral("201"), QStringLiteral("CASTLEGAR "));
        find<QRadioButton>("RadioButton_RD")->click();
        QCOMPARE(list("ComboBox_RegionalDistrict")->currentText(), QStringLiteral("03 CAPITAL"));
        QCOMPARE(okAfterRule(), true);
        ok()->click();
        QCOMPARE(doc().header().kind(), DistrictKind::RegionalDistrict);
        QCOMPARE(doc().header().code, std::string("03"));
        QCOMPARE(doc().header().name, std::string("CAPITAL"));
        QCOMPARE(doc().hasUnsavedChanges(), true);
    }

    void typedValuesStayWhenTheOverrideIsClearedAgain() {
        open(false, QStringLiteral("03"), QStringLiteral("CAPITAL"));
        find<QCheckBox>("CheckBox_Override")->click();
        expectMode(kRd, true);
        typeInto(field("Edit_RegionalDistrict_Code"), QStringLiteral("33"));
        typeInto(field("Edit_RegionalDistrict_Name"), QStringLiteral("NEW DISTRICT"));
        find<QCheckBox>("CheckBox_Override")->click();
        expectMode(kRd, false);
        QCOMPARE(field("Edit_RegionalDistrict_Code")->text(), QStringLiteral("33"));
        QCOMPARE(field("Edit_RegionalDistrict_Name")->text(), QStringLiteral("NEW DISTRICT"));
        QCOMPARE(list("ComboBox_RegionalDistrict")->currentText(), QStringLiteral("03 CAPITAL"));
        // The list text enables OK, and OK writes the fields, not the row shown.
        QCOMPARE(okAfterRule(), true);
        ok()->click();
        QCOMPARE(doc().header().code, std::string("33"));
        QCOMPARE(doc().header().name, std::string("NEW DISTRICT"));
        QCOMPARE(doc().hasUnsavedChanges(), true);
    }

    void aCodeOfBlanksCountsUntilLeft() {
        open(false, QStringLiteral("30"), QStringLiteral("SOMEWHERE"));
        QLineEdit *code = field("Edit_RegionalDistrict_Code");
        typeInto(code, QStringLiteral("  "));
        QCOMPARE(code->text(), QStringLiteral("  "));
        QCOMPARE(okAfterRule(), true);
        leave(code);
        QCOMPARE(code->text(), QString());
        QCOMPARE(okAfterRule(), false);
    }

    void movingTheFocusOnTrimsTheFieldLeft() {
        doc().setDistrict(DistrictKind::RegionalDistrict, "30", "SOMEWHERE");
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QLineEdit *name = field("Edit_RegionalDistrict_Name");
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), name);
        typeInto(name, QStringLiteral(" NEW "));
        field("Edit_RegionalDistrict_Code")->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("NEW"));
        dialog->reject();
    }

    void leavingAFieldTrimsIt_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("kept");
        const int tab = Qt::TabFocusReason;
        QTest::newRow("regional district code")
            << QStringLiteral("Edit_RegionalDistrict_Code") << QStringLiteral(" 3") << tab
            << QStringLiteral("3");
        QTest::newRow("regional district name")
            << QStringLiteral("Edit_RegionalDistrict_Name") << QStringLiteral("  NEW  ") << tab
            << QStringLiteral("NEW");
        QTest::newRow("municipality code") << QStringLiteral("Edit_Municipality_Code")
                                           << QStringLiteral("23 ") << tab << QStringLiteral("23");
        QTest::newRow("municipality name, control characters")
            << QStringLiteral("Edit_Municipality_Name") << QStringLiteral("\tTRAIL \x1f") << tab
            << QStringLiteral("TRAIL");
        QTest::newRow("inner blanks stay")
            << QStringLiteral("Edit_Municipality_Name") << QStringLiteral(" A  B ") << tab
            << QStringLiteral("A  B");
        QTest::newRow("characters beyond the code page stay")
            << QStringLiteral("Edit_RegionalDistrict_Name") << QStringLiteral(" \u03A9 \U0001F600 ")
            << tab << QStringLiteral("\u03A9 \U0001F600");
        QTest::newRow("the mouse leaves too")
            << QStringLiteral("Edit_RegionalDistrict_Name") << QStringLiteral(" X ")
            << static_cast<int>(Qt::MouseFocusReason) << QStringLiteral("X");
        QTest::newRow("another window is no exit")
            << QStringLiteral("Edit_RegionalDistrict_Name") << QStringLiteral(" X ")
            << static_cast<int>(Qt::ActiveWindowFocusReason) << QStringLiteral(" X ");
        QTest::newRow("a popup is no exit")
            << QStringLiteral("Edit_Municipality_Code") << QStringLiteral(" 1 ")
            << static_cast<int>(Qt::PopupFocusReason) << QStringLiteral(" 1 ");
    }
    void leavingAFieldTrimsIt() {
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(int, reason);
        QFETCH(QString, kept);
        open(false, QStringLiteral("30"), QStringLiteral("SOMEWHERE"));
        for (const char *box : {"CheckBox_Override", "CheckBox_Override_Muni"}) {
            if (!find<QCheckBox>(box)->isChecked())
                find<QCheckBox>(box)->click();
        }
        QLineEdit *edit = field(fieldName.toLatin1().constData());
        edit->selectAll();
        edit->insert(typed);
        QCOMPARE(edit->text(), typed);
        leave(edit, static_cast<Qt::FocusReason>(reason));
        QCOMPARE(edit->text(), kept);
    }

    void theListTextFillsTheFields_data() {
        QTest::addColumn<bool>("muni");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("okEnabled");
        QTest::newRow("a single character")
            << false << QStringLiteral("1") << QStringLiteral("1") << QString() << false;
        QTest::newRow("a whole row") << false << QStringLiteral("03 CAPITAL")
                                     << QStringLiteral("03") << QStringLiteral("CAPITAL") << true;
        QTest::newRow("lower case stays as typed")
            << false << QStringLiteral("03 capital") << QStringLiteral("03")
            << QStringLiteral("capital") << false;
        QTest::newRow("the row's blank typed")
            << true << QStringLiteral("201 CASTLEGAR ") << QStringLiteral("201")
            << QStringLiteral("CASTLEGAR ") << true;
        QTest::newRow("the row's blank left out")
            << true << QStringLiteral("201 CASTLEGAR") << QStringLiteral("201")
            << QStringLiteral("CASTLEGAR") << false;
        QTest::newRow("blanks kept") << true << QStringLiteral(" 20  X ") << QStringLiteral(" 20")
                                     << QStringLiteral(" X ") << false;
    }
    void theListTextFillsTheFields() {
        QFETCH(bool, muni);
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(bool, okEnabled);
        const GroupNames &g = groupNames(muni);
        open(muni, QStringLiteral("00"), muni ? kUnsetMuni : kUnsetRd);
        QComboBox *box = list(g.list);
        const int rowCount = box->count();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        leave(box);
        QCOMPARE(box->currentText(), typed);
        QCOMPARE(field(g.code)->text(), code);
        QCOMPARE(field(g.name)->text(), name);
        // Enter adds no row.
        QCOMPARE(box->count(), rowCount);
        QCOMPARE(okAfterRule(), okEnabled);
    }

    void pickingARowAfterTypingReplacesTheFields() {
        open(true, QStringLiteral("00"), kUnsetMuni);
        QTest::keyClicks(list("ComboBox_Municipality")->lineEdit(), QStringLiteral("201"));
        pick("ComboBox_Municipality", "200 VANCOUVER");
        QCOMPARE(field("Edit_Municipality_Code")->text(), QStringLiteral("200"));
        QCOMPARE(field("Edit_Municipality_Name")->text(), QStringLiteral("VANCOUVER"));
        QCOMPARE(okAfterRule(), true);
    }

    void theOtherGroupKeepsItsState() {
        open(true, QStringLiteral("201"), QStringLiteral("CASTLEGAR "));
        find<QCheckBox>("CheckBox_Override_Muni")->click();
        dialog->Button_CancelClick();
        open(false, QStringLiteral("03"), QStringLiteral("CAPITAL"));
        QCOMPARE(list("ComboBox_Municipality")->currentText(), QStringLiteral("201 CASTLEGAR "));
        QCOMPARE(find<QCheckBox>("CheckBox_Override_Muni")->isChecked(), true);
        expectMode(kMuni, true);
        QCOMPARE(field("Edit_Municipality_Code")->text(), QStringLiteral("03"));
        QCOMPARE(field("Edit_Municipality_Name")->text(), QStringLiteral("CAPITAL"));
        // And the regional district group as the municipality opening left it.
        open(true, QStringLiteral("232"), QStringLiteral("TRAIL "));
        QCOMPARE(list("ComboBox_RegionalDistrict")->currentText(), QStringLiteral("03 CAPITAL"));
        QCOMPARE(field("Edit_RegionalDistrict_Code")->text(), QStringLiteral("03"));
        expectMode(kRd, false);
    }

    void okKeepsItsStateUntilTheRuleRuns() {
        QCOMPARE(ok()->isEnabled(), true);
        open(false, QStringLiteral("00"), kUnsetRd);
        QCOMPARE(ok()->isEnabled(), true);
        QCOMPARE(okAfterRule(), false);
        dialog->Button_CancelClick();
        open(false, QStringLiteral("03"), QStringLiteral("CAPITAL"));
        QCOMPARE(ok()->isEnabled(), false);
        QCOMPARE(okAfterRule(), true);
    }

    void theTimerRunsTheRule() {
        open(false, QStringLiteral("00"), kUnsetRd);
        QCOMPARE(ok()->isEnabled(), true);
        QVERIFY(QMetaObject::invokeMethod(timer(), "timeout"));
        QCOMPARE(ok()->isEnabled(), false);
    }

    void everyClosingChangesNothingButOkAndStopsTheTimer_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("changes");
        QTest::newRow("OK") << QStringLiteral("ok") << true;
        QTest::newRow("Cancel") << QStringLiteral("cancel") << false;
        QTest::newRow("close box") << QStringLiteral("close") << false;
        QTest::newRow("Escape") << QStringLiteral("escape") << false;
    }
    void everyClosingChangesNothingButOkAndStopsTheTimer() {
        QFETCH(QString, how);
        QFETCH(bool, changes);
        doc().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        dialog->show();
        QCOMPARE(timer()->isActive(), true);
        find<QRadioButton>("RadioButton_Muni")->click();
        pick("ComboBox_Municipality", "232 TRAIL ");
        dialog->Timer_OK_ButtonTimer();
        if (how == QStringLiteral("ok"))
            ok()->click();
        else if (how == QStringLiteral("cancel"))
            find<QPushButton>("Button_Cancel")->click();
        else if (how == QStringLiteral("close"))
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(dialog->isVisible(), false);
        QCOMPARE(timer()->isActive(), false);
        QCOMPARE(doc().header().code, std::string(changes ? "232" : "03"));
        QCOMPARE(doc().header().kind(),
                 changes ? DistrictKind::Municipality : DistrictKind::RegionalDistrict);
        QCOMPARE(doc().hasUnsavedChanges(), changes);
    }

    void oneGroupShowsInOnePlace() {
        doc().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *rd = find<QGroupBox>("GroupBox_RD");
        auto *muni = find<QGroupBox>("GroupBox_Muni");
        auto *kind = find<QGroupBox>("GroupBox_RD_or_Muni");
        QCOMPARE(rd->isVisible(), true);
        QCOMPARE(muni->isVisible(), false);
        const QPoint place = rd->mapTo(dialog, QPoint(0, 0));
        // Below the kind choice, above the buttons.
        QCOMPARE_GE(place.y(), kind->mapTo(dialog, QPoint(0, kind->height())).y());
        QCOMPARE_GE(ok()->mapTo(dialog, QPoint(0, 0)).y(), place.y() + rd->height());
        find<QRadioButton>("RadioButton_Muni")->click();
        QCOMPARE(rd->isVisible(), false);
        QCOMPARE(muni->isVisible(), true);
        QCOMPARE(muni->mapTo(dialog, QPoint(0, 0)), place);
        dialog->reject();
    }

    void typingIsLimitedButTheDialogsOwnTextIsNot_data() {
        QTest::addColumn<bool>("muni");
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<int>("limit");
        QTest::newRow("regional district list")
            << false << QStringLiteral("ComboBox_RegionalDistrict") << false << 83;
        QTest::newRow("municipality list")
            << true << QStringLiteral("ComboBox_Municipality") << false << 83;
        QTest::newRow("regional district code")
            << false << QStringLiteral("Edit_RegionalDistrict_Code") << true << 2;
        QTest::newRow("regional district name")
            << false << QStringLiteral("Edit_RegionalDistrict_Name") << true << 80;
        QTest::newRow("municipality code")
            << true << QStringLiteral("Edit_Municipality_Code") << true << 3;
        QTest::newRow("municipality name")
            << true << QStringLiteral("Edit_Municipality_Name") << true << 80;
    }
    void typingIsLimitedButTheDialogsOwnTextIsNot() {
        QFETCH(bool, muni);
        QFETCH(QString, controlName);
        QFETCH(bool, manual);
        QFETCH(int, limit);
        const GroupNames &g = groupNames(muni);
        open(muni, QStringLiteral("00"), muni ? kUnsetMuni : kUnsetRd);
        if (manual)
            find<QCheckBox>(g.override)->click();
        QWidget *control = find<QWidget>(controlName.toLatin1().constData());
        auto *combo = qobject_cast<QComboBox *>(control);
        QLineEdit *edit = combo ? combo->lineEdit() : static_cast<QLineEdit *>(control);
        const QString odd = QStringLiteral("\u00E9\u20AC\u03A9\t,\"") + QString(200, u'W');
        edit->selectAll();
        edit->insert(odd);
        QCOMPARE(edit->text(), odd.left(limit));
        QTest::keyClicks(edit, QStringLiteral("MORE"));
        QCOMPARE(edit->text(), odd.left(limit));
        // Manual mode takes any filled fields; no typed text of that length is a row.
        QCOMPARE(okAfterRule(), manual);
        dialog->Button_CancelClick();

        // Text the dialog puts there itself is shown whole.
        const QString longCode = QStringLiteral("12345");
        const QString longName = QString(120, u'N');
        doc().setDistrict(muni ? DistrictKind::Municipality : DistrictKind::RegionalDistrict,
                          fromQString(longCode), fromQString(longName));
        dialog->FormShow();
        QCOMPARE(field(g.code)->text(), longCode);
        QCOMPARE(field(g.name)->text(), longName);
        QCOMPARE(okAfterRule(), true);
        doc().markSaved();
        dialog->Button_OKClick();
        QCOMPARE(toQString(doc().header().name), longName);
        QCOMPARE(doc().hasUnsavedChanges(), false);
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks() {
        open(false, QStringLiteral("30"), QStringLiteral("SOMEWHERE"));
        field("Edit_RegionalDistrict_Code")->selectAll();
        field("Edit_RegionalDistrict_Code")->insert(QStringLiteral("\u03A91"));
        field("Edit_RegionalDistrict_Name")->selectAll();
        field("Edit_RegionalDistrict_Name")
            ->insert(QStringLiteral("CAF\u00C9 \u20AC \u4E2D \U0001F600"));
        QCOMPARE(okAfterRule(), true);
        ok()->click();
        QCOMPARE(doc().header().code, std::string("?1"));
        QCOMPARE(doc().header().name, std::string("CAF\xC9 \x80 ? ?"));
        QCOMPARE(windowLabel("Label_Code"), QStringLiteral("?1"));
        QCOMPARE(windowLabel("Label_Name"), QStringLiteral("CAF\u00C9 \u20AC ? ?"));
    }

    // ---- Through the main window ----

    void startNew_data() {
        QTest::addColumn<QString>("rememberedCode");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("documentOpens");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("taxYear");
        QTest::newRow("first run, cancelled") << QString() << QStringLiteral("cancel") << false
                                              << QStringLiteral("00") << QStringLiteral("CCYY");
        QTest::newRow("first run, close box") << QString() << QStringLiteral("close") << false
                                              << QStringLiteral("00") << QStringLiteral("CCYY");
        QTest::newRow("remembered district, cancelled")
            << QStringLiteral("07") << QStringLiteral("cancel") << true << QStringLiteral("07")
            << QStringLiteral("2011");
        QTest::newRow("first run, district chosen")
            << QString() << QStringLiteral("pick") << true << QStringLiteral("232")
            << QStringLiteral("2011");
        QTest::newRow("remembered district, another chosen")
            << QStringLiteral("07") << QStringLiteral("pick") << true << QStringLiteral("232")
            << QStringLiteral("2011");
    }
    void startNew() {
        QFETCH(QString, rememberedCode);
        QFETCH(QString, action);
        QFETCH(bool, documentOpens);
        QFETCH(QString, code);
        QFETCH(QString, taxYear);
        if (!rememberedCode.isEmpty()) {
            fx->settings.write(kSettingsSection, settings::Code, fromQString(rememberedCode));
            fx->settings.write(kSettingsSection, settings::Name, "CENTRAL OKANAGAN");
            fx->create();
            dialog = &fx->forms->RegionalDistrictMaintenance();
            window = &fx->forms->RegionalDistrictPayments();
        }
        bool opened = false;
        whenModalOpens([&](QWidget *modal) {
            auto *shown = qobject_cast<QDialog *>(modal);
            QVERIFY(shown);
            RejectLeftOpen closer{shown};
            opened = modal == dialog;
            if (action == QStringLiteral("close")) {
                shown->close();
            } else if (action == QStringLiteral("pick")) {
                find<QRadioButton>("RadioButton_Muni")->click();
                pick("ComboBox_Municipality", "232 TRAIL ");
                dialog->Timer_OK_ButtonTimer();
                ok()->click();
            }
        });
        window->Button_Welcome_NewClick();
        QCOMPARE(opened, true);
        QCOMPARE(dialog->isVisible(), false);
        QCOMPARE(windowLabel("Label_Status_PaymentFile"), QStringLiteral("New charge file"));
        QCOMPARE(child<QGroupBox>(window, "GroupBox_Welcome")->isHidden(), documentOpens);
        QCOMPARE(child<QGroupBox>(window, "GroupBox_Status")->isHidden(), !documentOpens);
        QCOMPARE(windowLabel("Label_Code"), code);
        QCOMPARE(windowLabel("Label_Tax_Year"), taxYear);
        QCOMPARE(doc().hasUnsavedChanges(), false);
    }

    void statusButtonOpensTheDialog_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("OK") << true << QStringLiteral("10") << QStringLiteral("COWICHAN VALLEY");
        QTest::newRow("Cancel") << false << QStringLiteral("03") << QStringLiteral("CAPITAL");
    }
    void statusButtonOpensTheDialog() {
        QFETCH(bool, confirm);
        QFETCH(QString, code);
        QFETCH(QString, name);
        doc().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        doc().setNew();
        window->CloseWelcomGroup();
        whenModalOpens([&](QWidget *modal) {
            RejectLeftOpen closer{qobject_cast<QDialog *>(modal)};
            QCOMPARE(list("ComboBox_RegionalDistrict")->currentText(),
                     QStringLiteral("03 CAPITAL"));
            pick("ComboBox_RegionalDistrict", "10 COWICHAN VALLEY");
            dialog->Timer_OK_ButtonTimer();
            if (confirm)
                ok()->click();
        });
        child<QPushButton>(window, "Button_Status_RegionalDistrict")->click();
        QCOMPARE(dialog->isVisible(), false);
        QCOMPARE(windowLabel("Label_Code"), code);
        QCOMPARE(windowLabel("Label_Name"), name);
        QCOMPARE(doc().hasUnsavedChanges(), confirm);
    }
};

QTEST_MAIN(DistrictDialogTest)
#include "district_dialog_test.moc"
