#include "RegionalUtilityPayments.h"

#include "AboutUnit.h"
#include "ChargeFileIO.h"
#include "ChargeTableModel.h"
#include "Colours.h"
#include "FormSet.h"
#include "HelpUnit.h"
#include "Payment_AddUnit.h"
#include "Payment_ChangeUnit.h"
#include "Platform.h"
#include "Prompts.h"
#include "RegionalDistrictMaintenanceUnit1.h"
#include "SubmitPaymentsUnit.h"
#include "Tax_Year.h"
#include "TextCodec.h"
#include "chargefile/ChargeFileReader.h"
#include "entry/SettingsStore.h"
#include "reference/CodeNameCheck.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace drovan::ui {
namespace {

const QString kWelcomeText = QStringLiteral(
    "Welcome to the \"Pellimore\" (Drovan.exe).\n"
    "This program allows you to enter properties that have utility services due and payable.\n"
    "The Korvath will include these on the property tax accounts.\n"
    "First you need to let me know if you want to start a new collection file or load a "
    "previously saved file?");
const QString kUnsavedNote = QStringLiteral("NOTE: There are changes that are NOT saved!");
const QString kCloseQuestion =
    QStringLiteral("You have unsaved changes that will be lost\n\nDo you wish to continue?");
const QString kDeleteQuestion =
    QStringLiteral("You are about to delete\n\nDo you wish to continue?");
const QString kSaveCancelled = QStringLiteral("Save CANCELLED! Work is NOT saved!");
const QString kSaved = QStringLiteral("Charges are Saved!");
const QString kSaveFailed = QStringLiteral("ERROR in Saving the file.");
const QString kDeleteAllQuestion =
    QStringLiteral("You are about to delete ALL charges\n\nDo you wish to continue?");

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text = {}) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QAction *makeAction(QObject *parent, const char *name, const QString &text, bool enabled) {
    auto *action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

void makeBoldNavy(QLabel *label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    colours::setTextColour(label, colours::navy);
}

} // namespace

TRegionalDistrictPayments::TRegionalDistrictPayments(Services services, FormSet &forms,
                                                     QWidget *parent)
    : QMainWindow(parent), services_(services), forms_(forms) {
    setObjectName(QStringLiteral("RegionalDistrictPayments"));
    setWindowTitle(QStringLiteral("Drovan"));
    colours::setBackground(this, colours::moneyGreen);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    setCentralWidget(central);

    model_ = new ChargeTableModel(document_, this);
    buildWelcomePanel(central);
    buildStatusPanel(central);
    buildPaymentsPanel(central);
    buildMenu();
    ProgressBar_Load = new QProgressBar(this);
    ProgressBar_Load->setObjectName(QStringLiteral("ProgressBar_Load"));
    ProgressBar_Load->setRange(0, 1000);
    ProgressBar_Load->hide();
    statusBar()->addPermanentWidget(ProgressBar_Load, 1);
    statusBar()->hide();
    connectHandlers();

    document_.setListener([this](DocumentChange change) { onDocumentChanged(change); });
    refreshHeader();
    refreshFileState();
    refreshTotal();
    refreshUnsaved();
    refreshCharges();

    FormCreate();
}

TRegionalDistrictPayments::~TRegionalDistrictPayments() {
    document_.setListener(nullptr);
}

void TRegionalDistrictPayments::buildWelcomePanel(QWidget *central) {
    GroupBox_Welcome = new QGroupBox(QStringLiteral("( Welcome )"), central);
    GroupBox_Welcome->setObjectName(QStringLiteral("GroupBox_Welcome"));
    colours::setBackground(GroupBox_Welcome, colours::cream);
    auto *layout = new QGridLayout(GroupBox_Welcome);
    Label_Welcome = makeLabel(GroupBox_Welcome, "Label_Welcome", kWelcomeText);
    Label_Welcome->setWordWrap(true);
    colours::setTextColour(Label_Welcome, colours::navy);
    Image_Drovan = makeLabel(GroupBox_Welcome, "Image_Drovan");
    Button_Welcome_New =
        makeButton(GroupBox_Welcome, "Button_Welcome_New", QStringLiteral("Start New"));
    Button_Welcome_Load =
        makeButton(GroupBox_Welcome, "Button_Welcome_Load", QStringLiteral("Load Saved File"));
    layout->addWidget(Image_Drovan, 0, 0, 2, 1);
    layout->addWidget(Label_Welcome, 0, 1, 1, 2);
    layout->addWidget(Button_Welcome_New, 1, 1);
    layout->addWidget(Button_Welcome_Load, 1, 2);
    central->layout()->addWidget(GroupBox_Welcome);
}

void TRegionalDistrictPayments::buildStatusPanel(QWidget *central) {
    GroupBox_Status = new QGroupBox(QStringLiteral("( Status )"), central);
    GroupBox_Status->setObjectName(QStringLiteral("GroupBox_Status"));
    colours::setBackground(GroupBox_Status, colours::skyBlue);
    auto *layout = new QGridLayout(GroupBox_Status);

    Label_Status_PaymentFile = makeLabel(GroupBox_Status, "Label_Status_PaymentFile");
    Label_Status_PaymentFile2 = makeLabel(GroupBox_Status, "Label_Status_PaymentFile2");
    Label_Status_PaymentFile2->hide();
    Label_Code_Text = makeLabel(GroupBox_Status, "Label_Code_Text");
    Label_Code = makeLabel(GroupBox_Status, "Label_Code");
    Label_Name_Text = makeLabel(GroupBox_Status, "Label_Name_Text");
    Label_Name = makeLabel(GroupBox_Status, "Label_Name");
    Label_Tax_Year_Caption =
        makeLabel(GroupBox_Status, "Label_Tax_Year_Caption", toQString(kTaxYearCaption));
    Label_Tax_Year = makeLabel(GroupBox_Status, "Label_Tax_Year");
    Label_TotalPaymentAmount_Label =
        makeLabel(GroupBox_Status, "Label_TotalPaymentAmount_Label", toQString(kTotalCaption));
    Label_TotalPaymentAmount = makeLabel(GroupBox_Status, "Label_TotalPaymentAmount");
    Label_TotalPaymentAmount_Number = makeLabel(GroupBox_Status, "Label_TotalPaymentAmount_Number");
    Label_TotalPaymentAmount_Number->hide();
    Label_Unsaved_Changes = makeLabel(GroupBox_Status, "Label_Unsaved_Changes", kUnsavedNote);
    for (QLabel *label : {Label_Code, Label_Name, Label_Tax_Year, Label_TotalPaymentAmount})
        makeBoldNavy(label);
    for (QLabel *label : {Label_Code_Text, Label_Code, Label_Name_Text, Label_Name})
        colours::setBackground(label, colours::skyBlue);
    {
        QFont font = Label_Unsaved_Changes->font();
        font.setBold(true);
        Label_Unsaved_Changes->setFont(font);
        colours::setTextColour(Label_Unsaved_Changes, colours::yellow);
    }
    Label_Unsaved_Changes->hide();

    Button_Status_RegionalDistrict =
        makeButton(GroupBox_Status, "Button_Status_RegionalDistrict", QStringLiteral("..."));
    Button_Status_RegionalDistrict->setToolTip(
        QStringLiteral("Change the Regional District or Municipality"));
    Button_Tax_Year = makeButton(GroupBox_Status, "Button_Tax_Year", QStringLiteral("..."));
    Button_Tax_Year->setToolTip(QStringLiteral("Change the Tax Year"));
    for (QPushButton *button : {Button_Status_RegionalDistrict, Button_Tax_Year})
        button->setMaximumWidth(32);
    Button_Submit =
        makeButton(GroupBox_Status, "Button_Submit", QStringLiteral("Submit Collection"));
    Button_Save = makeButton(GroupBox_Status, "Button_Save", QStringLiteral("Save"));
    Button_Save->setEnabled(false);

    layout->addWidget(Label_Status_PaymentFile, 0, 0, 1, 4);
    layout->addWidget(Label_Code_Text, 1, 0);
    layout->addWidget(Label_Code, 1, 1);
    layout->addWidget(Button_Status_RegionalDistrict, 1, 2);
    layout->addWidget(Label_Name_Text, 2, 0);
    layout->addWidget(Label_Name, 2, 1);
    layout->addWidget(Label_Tax_Year_Caption, 3, 0);
    layout->addWidget(Label_Tax_Year, 3, 1);
    layout->addWidget(Button_Tax_Year, 3, 2);
    layout->addWidget(Label_TotalPaymentAmount_Label, 4, 0);
    layout->addWidget(Label_TotalPaymentAmount, 4, 1);
    layout->addWidget(Label_Unsaved_Changes, 5, 0, 1, 3);
    layout->addWidget(Button_Submit, 1, 4);
    layout->addWidget(Button_Save, 2, 4);
    layout->setColumnStretch(3, 1);
    GroupBox_Status->hide();
    central->layout()->addWidget(GroupBox_Status);
}

void TRegionalDistrictPayments::buildPaymentsPanel(QWidget *central) {
    GroupBox_Payments = new QGroupBox(QStringLiteral("< Charges >"), central);
    GroupBox_Payments->setObjectName(QStringLiteral("GroupBox_Payments"));
    auto *layout = new QHBoxLayout(GroupBox_Payments);
    Button_Payments_Add =
        makeButton(GroupBox_Payments, "Button_Payments_Add", QStringLiteral("Add"));
    Button_Payments_Change =
        makeButton(GroupBox_Payments, "Button_Payments_Change", QStringLiteral("Change"));
    Button_Payments_Delete =
        makeButton(GroupBox_Payments, "Button_Payments_Delete", QStringLiteral("Delete"));
    layout->addWidget(Button_Payments_Add);
    layout->addWidget(Button_Payments_Change);
    layout->addWidget(Button_Payments_Delete);
    layout->addStretch(1);

    // The navigator shows only the movement buttons.
    cxNavigator_Payments = new QWidget(GroupBox_Payments);
    cxNavigator_Payments->setObjectName(QStringLiteral("cxNavigator_Payments"));
    auto *navigator = new QHBoxLayout(cxNavigator_Payments);
    navigator->setContentsMargins(0, 0, 0, 0);
    struct Move {
        const char *name;
        const char *text;
        const char *tip;
        int delta;
        bool absolute;
    };
    const Move moves[] = {
        {"NavigatorFirst", "|<", "First record", 0, true},
        {"NavigatorPriorPage", "<<", "Prior page", -1000000, false},
        {"NavigatorPrior", "<", "Prior record", -1, false},
        {"NavigatorNext", ">", "Next record", 1, false},
        {"NavigatorNextPage", ">>", "Next page", 1000000, false},
        {"NavigatorLast", ">|", "Last record", -1, true},
    };
    for (const Move &move : moves) {
        auto *button = new QToolButton(cxNavigator_Payments);
        button->setObjectName(QString::fromLatin1(move.name));
        button->setText(QString::fromLatin1(move.text));
        button->setToolTip(QString::fromLatin1(move.tip));
        const int delta = move.delta;
        const bool absolute = move.absolute;
        connect(button, &QToolButton::clicked, this,
                [this, delta, absolute] { moveCurrentRow(delta, absolute); });
        navigator->addWidget(button);
    }
    layout->addWidget(cxNavigator_Payments);
    GroupBox_Payments->hide();
    central->layout()->addWidget(GroupBox_Payments);

    cxGrid_Payments = new QTableView(central);
    cxGrid_Payments->setObjectName(QStringLiteral("cxGrid_Payments"));
    cxGrid_Payments->setModel(model_);
    cxGrid_Payments->setSelectionBehavior(QAbstractItemView::SelectRows);
    cxGrid_Payments->setSelectionMode(QAbstractItemView::SingleSelection);
    cxGrid_Payments->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed row heights keep a million rows cheap: no per-row measuring.
    cxGrid_Payments->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    cxGrid_Payments->verticalHeader()->setDefaultSectionSize(
        cxGrid_Payments->fontMetrics().height() + 6);
    cxGrid_Payments->verticalHeader()->hide();
    cxGrid_Payments->horizontalHeader()->setStretchLastSection(true);
    cxGrid_Payments->setWordWrap(false);
    colours::setBackground(cxGrid_Payments, colours::white);
    const int widths[] = {50, 110, 220, 120, 220, 160, 110};
    for (int column = 0; column < ChargeTableModel::ColumnCount; ++column)
        cxGrid_Payments->setColumnWidth(column, widths[column]);
    cxGrid_Payments->hide();
    static_cast<QVBoxLayout *>(central->layout())->addWidget(cxGrid_Payments, 1);
    static_cast<QVBoxLayout *>(central->layout())->addStretch(0);
}

void TRegionalDistrictPayments::buildMenu() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    QMenu *file = bar->addMenu(QStringLiteral("File"));
    MenuNew = makeAction(this, "MenuNew", QStringLiteral("New"), true);
    MenuSaveAs = makeAction(this, "MenuSaveAs", QStringLiteral("Save..."), false);
    MenuExit = makeAction(this, "MenuExit", QStringLiteral("Exit"), true);
    file->addActions({MenuNew, MenuSaveAs, MenuExit});
    QMenu *edit = bar->addMenu(QStringLiteral("Edit"));
    MenuAdd = makeAction(this, "MenuAdd", QStringLiteral("Payment Add"), false);
    MenuChange = makeAction(this, "MenuChange", QStringLiteral("Payment Change"), false);
    MenuDelete = makeAction(this, "MenuDelete", QStringLiteral("Payment Delete"), false);
    MenuDeleteAll = makeAction(this, "MenuDeleteAll", QStringLiteral("DELETE ALL Payments"), false);
    edit->addActions({MenuAdd, MenuChange, MenuDelete, MenuDeleteAll});
    QMenu *view = bar->addMenu(QStringLiteral("View"));
    Menu_ViewPayment = makeAction(this, "Menu_ViewPayment", QStringLiteral("Payment "), false);
    Menu_ViewExplanationType =
        makeAction(this, "Menu_ViewExplanationType", QStringLiteral("Explanation Type"), false);
    Menu_ViewExplanationNote =
        makeAction(this, "Menu_ViewExplanationNote", QStringLiteral("Explanation Note"), false);
    view->addActions({Menu_ViewPayment, Menu_ViewExplanationType, Menu_ViewExplanationNote});
    MenuHelp = makeAction(this, "MenuHelp", QStringLiteral("Help..."), true);
    MenuAbout = makeAction(this, "MenuAbout", QStringLiteral("About..."), true);
    bar->addAction(MenuHelp);
    bar->addAction(MenuAbout);
}

void TRegionalDistrictPayments::connectHandlers() {
    using W = TRegionalDistrictPayments;
    connect(Button_Welcome_New, &QPushButton::clicked, this, &W::Button_Welcome_NewClick);
    connect(Button_Welcome_Load, &QPushButton::clicked, this, &W::Button_Welcome_LoadClick);
    connect(Button_Save, &QPushButton::clicked, this, &W::Button_SaveClick);
    connect(MenuSaveAs, &QAction::triggered, this, &W::MenuSaveAsClick);
    connect(Button_Status_RegionalDistrict, &QPushButton::clicked, this,
            &W::Button_Status_RegionalDistrictClick);
    connect(Button_Tax_Year, &QPushButton::clicked, this, &W::Button_Tax_YearClick);
    connect(Button_Submit, &QPushButton::clicked, this, &W::Button_SubmitClick);
    connect(Button_Payments_Add, &QPushButton::clicked, this, &W::Button_Payments_AddClick);
    connect(MenuAdd, &QAction::triggered, this, &W::Button_Payments_AddClick);
    connect(Button_Payments_Change, &QPushButton::clicked, this, &W::Button_Payments_ChangeClick);
    connect(cxGrid_Payments, &QTableView::doubleClicked, this, &W::Button_Payments_ChangeClick);
    connect(Button_Payments_Delete, &QPushButton::clicked, this, &W::Button_Payments_DeleteClick);
    connect(MenuDeleteAll, &QAction::triggered, this, &W::MenuDeleteAllClick);
    connect(MenuNew, &QAction::triggered, this, &W::MenuNewClick);
    connect(MenuExit, &QAction::triggered, this, &W::MenuExitClick);
    connect(MenuHelp, &QAction::triggered, this, &W::MenuHelpClick);
    connect(MenuAbout, &QAction::triggered, this, &W::MenuAboutClick);
    connect(cxGrid_Payments->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!syncingSelection_ && current.isValid())
                    document_.setCurrentRow(static_cast<std::size_t>(current.row()));
            });
}

// ---- Document to widgets ----

void TRegionalDistrictPayments::onDocumentChanged(DocumentChange change) {
    switch (change) {
    case DocumentChange::Header:
        refreshHeader();
        break;
    case DocumentChange::FileState:
        refreshFileState();
        break;
    case DocumentChange::Total:
        refreshTotal();
        break;
    case DocumentChange::Unsaved:
        refreshUnsaved();
        break;
    case DocumentChange::Charges:
        refreshCharges();
        break;
    }
}

void TRegionalDistrictPayments::refreshHeader() {
    const CollectionHeader &header = document_.header();
    Label_Code_Text->setText(toQString(header.codeCaption));
    Label_Name_Text->setText(toQString(header.nameCaption));
    Label_Code->setText(toQString(header.code));
    Label_Name->setText(toQString(header.name));
    Label_Tax_Year->setText(toQString(header.taxYear));
}

void TRegionalDistrictPayments::refreshFileState() {
    Label_Status_PaymentFile->setText(QString::fromStdString(document_.statusText()));
    Label_Status_PaymentFile2->setText(QString::fromStdString(document_.workingFile()));
}

void TRegionalDistrictPayments::refreshTotal() {
    Label_TotalPaymentAmount->setText(displayAmount(document_.total(), locale()));
    Label_TotalPaymentAmount_Number->setText(QString::fromStdString(document_.total().toPlain()));
}

void TRegionalDistrictPayments::refreshUnsaved() {
    // The note and the Save button always change together.
    const bool unsaved = document_.hasUnsavedChanges();
    Label_Unsaved_Changes->setVisible(unsaved);
    Button_Save->setEnabled(unsaved);
}

void TRegionalDistrictPayments::refreshCharges() {
    model_->setLocale(locale());
    model_->reload();
    const bool hasRows = !document_.charges().isEmpty();
    for (QAction *action : {MenuChange, MenuDelete, MenuDeleteAll})
        action->setEnabled(hasRows);
    Button_Payments_Change->setEnabled(hasRows);
    Button_Payments_Delete->setEnabled(hasRows);
    selectCurrentRow();
}

void TRegionalDistrictPayments::selectCurrentRow() {
    const auto current = document_.charges().currentRow();
    if (!current)
        return;
    syncingSelection_ = true;
    const QModelIndex index = model_->index(static_cast<int>(*current), 0);
    cxGrid_Payments->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
    cxGrid_Payments->scrollTo(index);
    syncingSelection_ = false;
}

void TRegionalDistrictPayments::moveCurrentRow(int delta, bool absolute) {
    const auto rows = static_cast<int>(document_.charges().rowCount());
    if (rows == 0)
        return;
    const auto current = static_cast<int>(document_.charges().currentRow().value_or(0));
    int target = 0;
    if (absolute) {
        target = delta < 0 ? rows - 1 : 0;
    } else {
        // A page is what the grid shows at once.
        const int page =
            std::max(1, cxGrid_Payments->viewport()->height() /
                            std::max(1, cxGrid_Payments->verticalHeader()->defaultSectionSize()));
        const int step = delta > 1 ? page : delta < -1 ? -page : delta;
        target = std::clamp(current + step, 0, rows - 1);
    }
    document_.setCurrentRow(static_cast<std::size_t>(target));
    selectCurrentRow();
}

// ---- Handlers ----

void TRegionalDistrictPayments::FormCreate() {
    SettingsStore &settings = services_.settings;
    std::string code = settings.read(kSettingsSection, settings::Code, kNoDistrictCode);
    std::string name = settings.read(kSettingsSection, settings::Name, kNoDistrictName);
    std::string type =
        settings.read(kSettingsSection, settings::Type, kRegionalDistrictCodeCaption);
    document_.setDistrictFromCaption(std::move(type), std::move(code), std::move(name));
}

void TRegionalDistrictPayments::FormShow() {
    setGeometry(100, 100, 900, 500);
    Set_CodeAndName_Hints();
}

bool TRegionalDistrictPayments::FormClose() {
    if (document_.hasUnsavedChanges() &&
        !services_.prompts.question(this, QStringLiteral("Warning"), kCloseQuestion,
                                    PromptIcon::Warning))
        return false;
    return true;
}

void TRegionalDistrictPayments::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TRegionalDistrictPayments::closeEvent(QCloseEvent *event) {
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

void TRegionalDistrictPayments::Button_Welcome_NewClick() {
    resetEntrySettings(services_.settings);
    document_.setNew();
    document_.resetTotal();
    forms_.RegionalDistrictMaintenance().exec();
    if (document_.header().hasDistrict()) {
        CloseWelcomGroup();
        document_.setTaxYear(defaultTaxYear(services_.clock.today()));
    }
    document_.markSaved();
}

void TRegionalDistrictPayments::Button_Welcome_LoadClick() {
    document_.resetTotal();
    resetEntrySettings(services_.settings);

    FileDialogOptions options;
    options.directory = QDir::currentPath();
    options.filters = {QStringLiteral("Text file (*.txt)"),
                       QStringLiteral("Comma Delimited (*.csv)")};
    options.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> path = services_.prompts.openFileName(this, options);
    if (!path)
        return;

    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        services_.prompts.message(this, toQString(kLoadFailedMessage));
        return;
    }
    FileDeviceSource source(file);
    ChargeFileReadOptions read;
    read.kind = document_.header().kind();
    read.today = services_.clock.today();
    QElapsedTimer elapsed;
    elapsed.start();
    const std::uint64_t size = source.sizeHint().value_or(0);
    read.progress = [&](std::uint64_t bytesRead) {
        if (elapsed.elapsed() >= loadProgressDelayMs)
            showLoadProgress(bytesRead, size);
    };
    ChargeFileLoad load = readChargeFile(source, read);
    ProgressBar_Load->hide();
    statusBar()->hide();
    if (!load.ok) {
        // Nothing of a half-read file reaches the document.
        services_.prompts.message(this, toQString(kLoadFailedMessage));
        return;
    }

    document_.setHeader(std::move(load.header));
    // The grid opens on the file's first rows.
    load.charges.setCurrentRow(0);
    document_.replaceCharges(std::move(load.charges));
    document_.setTotal(load.total);
    for (const std::string &message : load.messages)
        services_.prompts.message(this, toQString(message));
    document_.setWorkingFile(path->toStdString());
    CloseWelcomGroup();
}

void TRegionalDistrictPayments::showLoadProgress(std::uint64_t bytesRead, std::uint64_t size) {
    if (size == 0)
        return;
    statusBar()->show();
    ProgressBar_Load->show();
    ProgressBar_Load->setValue(
        static_cast<int>(std::min<std::uint64_t>(bytesRead, size) * 1000 / size));
    // The load runs on this thread: let the bar paint, but take no user input meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TRegionalDistrictPayments::Button_SaveClick() {
    FileDialogOptions options;
    options.title = QStringLiteral("Save your Charge File");
    options.directory = QDir::currentPath();
    options.filters = {QStringLiteral("Text file (*.txt)")};
    options.defaultSuffix = QStringLiteral("txt");
    if (!document_.isNew())
        options.fileName = QString::fromStdString(document_.workingFile());
    const std::optional<QString> path = services_.prompts.saveFileName(this, options);
    if (!path) {
        services_.prompts.message(this, kSaveCancelled);
        return;
    }
    if (!saveChargeFile(*path, document_.header(), document_.charges())) {
        services_.prompts.message(this, kSaveFailed);
        return;
    }
    document_.setWorkingFile(path->toStdString());
    const CollectionHeader &header = document_.header();
    SettingsStore &settings = services_.settings;
    if (!settings.write(kSettingsSection, settings::Type, header.codeCaption) ||
        !settings.write(kSettingsSection, settings::Code, header.code) ||
        !settings.write(kSettingsSection, settings::Name, header.name)) {
        services_.prompts.message(this, kSaveFailed);
        return;
    }
    services_.prompts.message(this, kSaved);
    document_.markSaved();
}

void TRegionalDistrictPayments::MenuSaveAsClick() {
    Button_SaveClick();
}

void TRegionalDistrictPayments::Button_Status_RegionalDistrictClick() {
    forms_.RegionalDistrictMaintenance().exec();
    Set_CodeAndName_Hints();
}

void TRegionalDistrictPayments::Button_Tax_YearClick() {
    forms_.Form_Tax_Year().exec();
}

void TRegionalDistrictPayments::Button_SubmitClick() {
    forms_.SubmitPayments().exec();
}

void TRegionalDistrictPayments::Button_Payments_AddClick() {
    forms_.Payment_Add().exec();
}

void TRegionalDistrictPayments::Button_Payments_ChangeClick() {
    // Nothing to change in an empty table.
    if (document_.charges().isEmpty())
        return;
    forms_.Payment_Change().exec();
}

bool TRegionalDistrictPayments::confirmDeletion(const QString &question) {
    return services_.prompts.question(this, QStringLiteral("Confirmation"), question,
                                      PromptIcon::Question);
}

void TRegionalDistrictPayments::Button_Payments_DeleteClick() {
    const auto current = document_.charges().currentRow();
    if (!current)
        return;
    if (!confirmDeletion(kDeleteQuestion))
        return;
    document_.subtractFromTotal(document_.charges().amount(*current));
    document_.deleteCurrentCharge();
    document_.markUnsaved();
}

void TRegionalDistrictPayments::MenuDeleteAllClick() {
    if (!confirmDeletion(kDeleteAllQuestion))
        return;
    document_.resetTotal();
    document_.clearCharges();
    document_.markUnsaved();
}

void TRegionalDistrictPayments::MenuNewClick() {
    document_.resetTotal();
    document_.clearCharges();
    document_.markSaved();
    for (QAction *action : {MenuAdd, Menu_ViewPayment, Menu_ViewExplanationType,
                            Menu_ViewExplanationNote, MenuSaveAs})
        action->setEnabled(false);
    cxGrid_Payments->hide();
    GroupBox_Payments->hide();
    GroupBox_Status->hide();
    GroupBox_Welcome->show();
    setGeometry(100, 100, 1000, 700);
}

void TRegionalDistrictPayments::MenuExitClick() {
    close();
}

void TRegionalDistrictPayments::MenuHelpClick() {
    forms_.Help().exec();
}

void TRegionalDistrictPayments::MenuAboutClick() {
    forms_.AboutBox().exec();
}

void TRegionalDistrictPayments::CloseWelcomGroup() {
    GroupBox_Welcome->hide();
    GroupBox_Status->show();
    GroupBox_Payments->show();
    cxGrid_Payments->show();
    for (QAction *action : {MenuAdd, Menu_ViewPayment, Menu_ViewExplanationType,
                            Menu_ViewExplanationNote, MenuSaveAs})
        action->setEnabled(true);
    refreshCharges();
    Set_CodeAndName_Hints();
}

void TRegionalDistrictPayments::Set_CodeAndName_Hints() {
    const CodeNameVerdict verdict = checkCodeAndName(document_.header());
    const std::pair<QLabel *, const LabelLook *> looks[] = {
        {Label_Code_Text, &verdict.codeText},
        {Label_Code, &verdict.code},
        {Label_Name_Text, &verdict.nameText},
        {Label_Name, &verdict.name},
    };
    for (const auto &[label, look] : looks) {
        const Rgb rgb = rgbOf(look->colour);
        colours::setBackground(label, QColor(rgb.red, rgb.green, rgb.blue));
        // A hint that is not to show is no tool tip at all.
        label->setToolTip(look->showHint ? toQString(look->hint) : QString());
    }
}

} // namespace drovan::ui
