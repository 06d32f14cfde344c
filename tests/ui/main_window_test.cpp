#include "ChargeTableModel.h"
#include "Colours.h"
#include "RegionalUtilityPayments.h"
#include "TextCodec.h"
#include "UiFixture.h"
#include "reference/CodeNameCheck.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace drovan;
using namespace drovan::ui;
using namespace drovan::ui::test;

namespace {

ChargeRecord charge(const char *folio, const char *amount) {
    return ChargeRecord{"701",         folio, "SMITH",  *Currency::parse(amount),
                        "BIN GARBAGE", "BIN", "Garbage"};
}

void addCharge(CollectionDocument &doc, const char *folio, const char *amount) {
    doc.appendCharge(charge(folio, amount));
    doc.addToTotal(*Currency::parse(amount));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> fx;
    TRegionalDistrictPayments *window = nullptr;

    template <typename T> T *find(const char *name) { return control<T>(window, name); }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    bool enabled(const char *action) { return find<QAction>(action)->isEnabled(); }

    // The document state with a district, as after Start New.
    void openDocument() {
        window->document().setDistrict(DistrictKind::RegionalDistrict, "07", "CENTRAL OKANAGAN");
        window->document().setNew();
        window->CloseWelcomGroup();
    }

private Q_SLOTS:
    void init() {
        fx = std::make_unique<UiFixture>();
        fx->create();
        window = &fx->forms->RegionalDistrictPayments();
    }
    void cleanup() {
        window = nullptr;
        fx.reset();
    }

    void createsTheEightWindowsWithTheirCaptions() {
        const QList<QWidget *> windows = fx->forms->windows();
        const QList<QPair<QString, QString>> expected = {
            {QStringLiteral("RegionalDistrictPayments"), QStringLiteral("Drovan")},
            {QStringLiteral("RegionalDistrictMaintenance"),
             QStringLiteral("Drovan: Regional District / Municipality Maintenance")},
            {QStringLiteral("Payment_Add"), QStringLiteral("Drovan: Add a Charge")},
            {QStringLiteral("Form_Tax_Year"), QStringLiteral("Drovan: Enter Collection Tax Year")},
            {QStringLiteral("Payment_Change"), QStringLiteral("Drovan: Change Charge")},
            {QStringLiteral("Help"), QStringLiteral("Drovan: Help")},
            {QStringLiteral("AboutBox"), QStringLiteral("About Drovan")},
            {QStringLiteral("SubmitPayments"), QStringLiteral("Drovan: Submit Charges")},
        };
        QCOMPARE(windows.size(), expected.size());
        const char *classes[] = {"TRegionalDistrictPayments",
                                 "TRegionalDistrictMaintenance",
                                 "TPayment_Add",
                                 "TForm_Tax_Year",
                                 "TPayment_Change",
                                 "THelp",
                                 "TAboutBox",
                                 "TSubmitPayments"};
        for (int i = 0; i < windows.size(); ++i) {
            QCOMPARE(windows[i]->objectName(), expected[i].first);
            QCOMPARE(windows[i]->windowTitle(), expected[i].second);
            QVERIFY(QByteArray(windows[i]->metaObject()->className()).endsWith(classes[i]));
            QVERIFY(!windows[i]->isVisible());
        }
    }

    void startsInTheWelcomeState() {
        QVERIFY(!find<QGroupBox>("GroupBox_Welcome")->isHidden());
        QCOMPARE(find<QGroupBox>("GroupBox_Welcome")->title(), QStringLiteral("( Welcome )"));
        QCOMPARE(find<QPushButton>("Button_Welcome_New")->text(), QStringLiteral("Start New"));
        QCOMPARE(find<QPushButton>("Button_Welcome_Load")->text(),
                 QStringLiteral("Load Saved File"));
        for (const char *hidden : {"GroupBox_Status", "GroupBox_Payments", "Label_Unsaved_Changes",
                                   "Label_Status_PaymentFile2", "Label_TotalPaymentAmount_Number"})
            QVERIFY2(find<QWidget>(hidden)->isHidden(), hidden);
        QVERIFY(find<QTableView>("cxGrid_Payments")->isHidden());
        QVERIFY(!find<QPushButton>("Button_Save")->isEnabled());
        for (const char *on : {"MenuNew", "MenuExit", "MenuHelp", "MenuAbout"})
            QVERIFY2(enabled(on), on);
        for (const char *off :
             {"MenuSaveAs", "MenuAdd", "MenuChange", "MenuDelete", "MenuDeleteAll",
              "Menu_ViewPayment", "Menu_ViewExplanationType", "Menu_ViewExplanationNote"})
            QVERIFY2(!enabled(off), off);
        QCOMPARE(find<QAction>("Menu_ViewPayment")->text(), QStringLiteral("Payment "));
        QCOMPARE(text("Label_Code_Text"), QStringLiteral("Regional District Code:"));
        QCOMPARE(text("Label_Name_Text"), QStringLiteral("Regional District Name:"));
        QCOMPARE(text("Label_Code"), QStringLiteral("00"));
        QCOMPARE(text("Label_Name"), QStringLiteral("The Regional District is not selected"));
        QCOMPARE(text("Label_Tax_Year"), QStringLiteral("CCYY"));
        QCOMPARE(text("Label_Status_PaymentFile"), QStringLiteral("Selection of charge file"));
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("0.00"));
    }

    void createReadsTheRememberedDistrict() {
        fx->settings.write(kSettingsSection, settings::Type, "Municipality Code:");
        fx->settings.write(kSettingsSection, settings::Code, "201");
        fx->settings.write(kSettingsSection, settings::Name, "CASTLEGAR ");
        fx->create();
        window = &fx->forms->RegionalDistrictPayments();
        QCOMPARE(text("Label_Code_Text"), QStringLiteral("Municipality Code:"));
        QCOMPARE(text("Label_Name_Text"), QStringLiteral("Municipality Name:"));
        QCOMPARE(text("Label_Code"), QStringLiteral("201"));
        QCOMPARE(text("Label_Name"), QStringLiteral("CASTLEGAR "));
    }

    void showPlacesTheWindow() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->geometry(), QRect(100, 100, 900, 500));
    }

    void closeAsksOnlyWithUnsavedChanges() {
        window->show();
        QVERIFY(window->close());
        QVERIFY(fx->prompts.questions.isEmpty());

        window->show();
        openDocument();
        addCharge(window->document(), "12345.678", "5");
        window->document().markUnsaved();
        fx->prompts.answers = {false};
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(fx->prompts.questions.size(), 1);
        QCOMPARE(fx->prompts.questions[0].caption, QStringLiteral("Warning"));
        QCOMPARE(fx->prompts.questions[0].text,
                 QStringLiteral(
                     "You have unsaved changes that will be lost\n\nDo you wish to continue?"));
        QCOMPARE(fx->prompts.questions[0].icon, PromptIcon::Warning);
        QCOMPARE(window->document().charges().rowCount(), 1u);
        QVERIFY(window->document().hasUnsavedChanges());

        fx->prompts.answers = {true};
        QVERIFY(window->close());
    }

    void deleteAsksAndKeepsTheTotalExact() {
        openDocument();
        addCharge(window->document(), "1.000", "0.10");
        addCharge(window->document(), "2.000", "0.20");
        window->document().markSaved();
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("0.30"));
        QVERIFY(enabled("MenuDeleteAll"));

        fx->prompts.answers = {false};
        window->Button_Payments_DeleteClick();
        QCOMPARE(fx->prompts.questions.last().caption, QStringLiteral("Confirmation"));
        QCOMPARE(fx->prompts.questions.last().text,
                 QStringLiteral("You are about to delete\n\nDo you wish to continue?"));
        QCOMPARE(fx->prompts.questions.last().icon, PromptIcon::Question);
        QCOMPARE(window->document().charges().rowCount(), 2u);
        QVERIFY(!window->document().hasUnsavedChanges());

        // The grid's selection is the current row: delete the first one.
        auto *grid = find<QTableView>("cxGrid_Payments");
        grid->selectRow(0);
        QCOMPARE(window->document().charges().currentRow(), 0u);
        fx->prompts.answers = {true};
        window->Button_Payments_DeleteClick();
        QCOMPARE(window->document().charges().rowCount(), 1u);
        QCOMPARE(window->document().charges().folioNumber(0), std::string_view("2.000"));
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("0.20"));
        QVERIFY(!find<QLabel>("Label_Unsaved_Changes")->isHidden());
        QVERIFY(find<QPushButton>("Button_Save")->isEnabled());
        QVERIFY(find<QPushButton>("Button_Payments_Delete")->isEnabled());

        fx->prompts.answers = {true};
        window->Button_Payments_DeleteClick();
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("0.00"));
        QVERIFY(!find<QPushButton>("Button_Payments_Change")->isEnabled());
        QVERIFY(!find<QPushButton>("Button_Payments_Delete")->isEnabled());
        for (const char *off : {"MenuChange", "MenuDelete", "MenuDeleteAll"})
            QVERIFY2(!enabled(off), off);
        QVERIFY(enabled("MenuAdd"));
    }

    void deleteAllAsksFirst() {
        openDocument();
        addCharge(window->document(), "1.000", "1234.5");
        addCharge(window->document(), "2.000", "1");
        window->document().markSaved();
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("1,235.50"));
        QCOMPARE(text("Label_TotalPaymentAmount_Number"), QStringLiteral("1235.5"));

        fx->prompts.answers = {false};
        window->MenuDeleteAllClick();
        QCOMPARE(fx->prompts.questions.last().text,
                 QStringLiteral("You are about to delete ALL charges\n\nDo you wish to continue?"));
        QCOMPARE(window->document().charges().rowCount(), 2u);

        fx->prompts.answers = {true};
        window->MenuDeleteAllClick();
        QVERIFY(window->document().charges().isEmpty());
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("0.00"));
        QVERIFY(window->document().hasUnsavedChanges());
        QVERIFY(!find<QPushButton>("Button_Payments_Delete")->isEnabled());
        QVERIFY(!enabled("MenuDeleteAll"));
    }

    void fileNewReturnsToWelcomeWithoutAsking() {
        window->show();
        openDocument();
        addCharge(window->document(), "1.000", "3");
        window->document().markUnsaved();
        window->MenuNewClick();
        QVERIFY(fx->prompts.questions.isEmpty());
        QVERIFY(window->document().charges().isEmpty());
        QVERIFY(!window->document().hasUnsavedChanges());
        QVERIFY(find<QLabel>("Label_Unsaved_Changes")->isHidden());
        QVERIFY(!find<QGroupBox>("GroupBox_Welcome")->isHidden());
        for (const char *hidden : {"GroupBox_Status", "GroupBox_Payments", "cxGrid_Payments"})
            QVERIFY2(find<QWidget>(hidden)->isHidden(), hidden);
        for (const char *off : {"MenuSaveAs", "MenuAdd", "Menu_ViewPayment", "MenuDeleteAll"})
            QVERIFY2(!enabled(off), off);
        QCOMPARE(window->geometry(), QRect(100, 100, 1000, 700));
        // The header and status text stay for Start New or Load to set again.
        QCOMPARE(text("Label_Code"), QStringLiteral("07"));
        QCOMPARE(text("Label_Status_PaymentFile"), QStringLiteral("New charge file"));
    }

    void documentPanelsFollowTheRowCount() {
        openDocument();
        QVERIFY(find<QGroupBox>("GroupBox_Welcome")->isHidden());
        QVERIFY(!find<QGroupBox>("GroupBox_Status")->isHidden());
        QVERIFY(!find<QTableView>("cxGrid_Payments")->isHidden());
        for (const char *on : {"MenuSaveAs", "MenuAdd", "Menu_ViewPayment",
                               "Menu_ViewExplanationType", "Menu_ViewExplanationNote"})
            QVERIFY2(enabled(on), on);
        QVERIFY(!enabled("MenuChange"));
        addCharge(window->document(), "1.000", "3");
        QVERIFY(enabled("MenuChange"));
        QVERIFY(find<QPushButton>("Button_Payments_Change")->isEnabled());
    }

    void gridShowsTheChargeTable() {
        openDocument();
        addCharge(window->document(), "12345.678", "1234.5");
        auto *grid = find<QTableView>("cxGrid_Payments");
        QAbstractItemModel *model = grid->model();
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QStringList captions = {QStringLiteral("Jur"),
                                      QStringLiteral("Folio #"),
                                      QStringLiteral("Name"),
                                      QStringLiteral("Amount"),
                                      QStringLiteral("Explanation"),
                                      QStringLiteral("Explanation Note"),
                                      QStringLiteral("Explanation Type")};
        QCOMPARE(model->columnCount(), captions.size());
        for (int c = 0; c < captions.size(); ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), captions[c]);
        QCOMPARE(model->index(0, ChargeTableModel::Folio_Number).data().toString(),
                 QStringLiteral("12345.678"));
        QCOMPARE(model->index(0, ChargeTableModel::Payment_Amount)
                     .data(ChargeTableModel::RawValueRole)
                     .toString(),
                 QStringLiteral("1234.5"));
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        addCharge(window->document(), "2.000", "1");
        QCOMPARE(grid->currentIndex().row(), 1); // an appended row becomes current
    }

    void navigatorMovesTheCurrentRow() {
        openDocument();
        for (const char *folio : {"1.000", "2.000", "3.000"})
            addCharge(window->document(), folio, "1");
        find<QToolButton>("NavigatorFirst")->click();
        QCOMPARE(window->document().charges().currentRow(), 0u);
        find<QToolButton>("NavigatorNext")->click();
        QCOMPARE(window->document().charges().currentRow(), 1u);
        find<QToolButton>("NavigatorLast")->click();
        QCOMPARE(window->document().charges().currentRow(), 2u);
        find<QToolButton>("NavigatorNext")->click();
        QCOMPARE(window->document().charges().currentRow(), 2u);
        find<QToolButton>("NavigatorPrior")->click();
        QCOMPARE(find<QTableView>("cxGrid_Payments")->currentIndex().row(), 1);
    }

    void codeAndNameLabelsTakeTheCheckVerdict() {
        struct Case {
            DistrictKind kind;
            const char *code;
            const char *name;
        };
        const Case cases[] = {
            {DistrictKind::RegionalDistrict, "00", "The Regional District is not selected"},
            {DistrictKind::RegionalDistrict, "03", "COWICHAN VALLEY"},
            {DistrictKind::RegionalDistrict, "", ""},
            {DistrictKind::Municipality, "201", "CASTLEGAR"},
        };
        const char *labels[] = {"Label_Code_Text", "Label_Code", "Label_Name_Text", "Label_Name"};
        for (const Case &c : cases) {
            window->document().setDistrict(c.kind, c.code, c.name);
            window->Set_CodeAndName_Hints();
            const CodeNameVerdict verdict = checkCodeAndName(window->document().header());
            const LabelLook *looks[] = {&verdict.codeText, &verdict.code, &verdict.nameText,
                                        &verdict.name};
            for (int i = 0; i < 4; ++i) {
                const Rgb rgb = rgbOf(looks[i]->colour);
                QLabel *label = find<QLabel>(labels[i]);
                QCOMPARE(colours::backgroundOf(label), QColor(rgb.red, rgb.green, rgb.blue));
                QCOMPARE(label->toolTip(),
                         looks[i]->showHint ? toQString(looks[i]->hint) : QString());
            }
        }
        // Spot checks of what the user sees, beside the verdict itself.
        window->document().setDistrict(DistrictKind::RegionalDistrict, "03", "COWICHAN VALLEY");
        window->Set_CodeAndName_Hints();
        QCOMPARE(colours::backgroundOf(find<QLabel>("Label_Code")), colours::red);
        QCOMPARE(find<QLabel>("Label_Code")->toolTip(),
                 QStringLiteral("ERROR: The Regional District Code does NOT match with the "
                                "Regional District Name!"));
        window->document().setDistrict(DistrictKind::RegionalDistrict, "", "");
        window->Set_CodeAndName_Hints();
        QCOMPARE(find<QLabel>("Label_Name")->toolTip(),
                 QStringLiteral("Please Select the Regional District"));
        QCOMPARE(find<QLabel>("Label_Name_Text")->toolTip(), QString());
        window->document().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        window->Set_CodeAndName_Hints();
        for (const char *name : labels) {
            QCOMPARE(colours::backgroundOf(find<QLabel>(name)), colours::skyBlue);
            QCOMPARE(find<QLabel>(name)->toolTip(), QString());
        }
    }

    void checkRunsWhenShownAndWhenTheDocumentOpens() {
        window->show(); // the initial header: not on the list
        QCOMPARE(colours::backgroundOf(find<QLabel>("Label_Code")), colours::yellow);
        window->document().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        window->CloseWelcomGroup();
        QCOMPARE(colours::backgroundOf(find<QLabel>("Label_Code")), colours::skyBlue);
    }

    void checkRunsAfterTheDistrictDialogEvenWhenCancelled() {
        window->document().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        window->CloseWelcomGroup();
        QCOMPARE(colours::backgroundOf(find<QLabel>("Label_Name")), colours::skyBlue);
        // Changed behind the labels' back: only a new run of the check shows it.
        window->document().setDistrict(DistrictKind::RegionalDistrict, "03", "COWICHAN VALLEY");
        whenModalOpens([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
        find<QPushButton>("Button_Status_RegionalDistrict")->click();
        QCOMPARE(colours::backgroundOf(find<QLabel>("Label_Name")), colours::red);
    }

    void startNewCancelledOnAFirstRunStaysWelcome() {
        fx->settings.write(kSettingsSection, settings::Jurisdiction, "761 VICTORIA RURAL");
        whenModalOpens([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
        window->Button_Welcome_NewClick();
        QCOMPARE(fx->settings.read(kSettingsSection, settings::Jurisdiction, "x"), std::string());
        QCOMPARE(text("Label_Status_PaymentFile"), QStringLiteral("New charge file"));
        QVERIFY(!find<QGroupBox>("GroupBox_Welcome")->isHidden());
        QVERIFY(find<QGroupBox>("GroupBox_Status")->isHidden());
        QVERIFY(!window->document().hasUnsavedChanges());
    }

    void startNewWithARememberedDistrictOpensTheDocument() {
        fx->settings.write(kSettingsSection, settings::Code, "07");
        fx->settings.write(kSettingsSection, settings::Name, "CENTRAL OKANAGAN");
        fx->create();
        window = &fx->forms->RegionalDistrictPayments();
        fx->clock.set(Date{2012, 3, 31});
        whenModalOpens([](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
        window->Button_Welcome_NewClick();
        QVERIFY(find<QGroupBox>("GroupBox_Welcome")->isHidden());
        QVERIFY(!find<QGroupBox>("GroupBox_Status")->isHidden());
        QCOMPARE(text("Label_Tax_Year"), QStringLiteral("2011"));
        QCOMPARE(text("Label_Code"), QStringLiteral("07"));
        QVERIFY(!window->document().hasUnsavedChanges());
        QVERIFY(!find<QPushButton>("Button_Save")->isEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
