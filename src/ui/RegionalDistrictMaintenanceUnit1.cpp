#include "RegionalDistrictMaintenanceUnit1.h"

#include "Colours.h"
#include "FocusExit.h"
#include "TextCodec.h"
#include "TypingLimit.h"
#include "document/CollectionDocument.h"
#include "document/Text.h"
#include "entry/DistrictChoice.h"
#include "reference/ReferenceLists.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace drovan::ui {

// The controls of one group, which both groups have alike.
struct DistrictGroupControls {
    QGroupBox *group;
    QLabel *listLabel;
    QComboBox *list;
    QCheckBox *override;
    QLabel *codeLabel;
    QLineEdit *code;
    QLabel *nameLabel;
    QLineEdit *name;
};

namespace {

constexpr int kListTypingLimit = 83;
constexpr int kNameTypingLimit = 80;

struct GroupTexts {
    const char *groupName;
    const char *caption;
    const char *listLabelName;
    const char *listLabel;
    const char *listName;
    const char *overrideName;
    const char *override;
    const char *codeLabelName;
    const char *codeLabel;
    const char *codeName;
    const char *nameLabelName;
    const char *nameLabel;
    const char *nameName;
    int codeLimit;
};

const GroupTexts kRegionalDistrictTexts{"GroupBox_RD",
                                        "< Regional District >",
                                        "Label_RegionalDistrict",
                                        "Regional District",
                                        "ComboBox_RegionalDistrict",
                                        "CheckBox_Override",
                                        "Let me manually enter the Regional District Code ( "
                                        "Override )",
                                        "Label_RegionalDistrict_Code_Override",
                                        "Regional District Code",
                                        "Edit_RegionalDistrict_Code",
                                        "Label_RegionalDistrict_Override",
                                        "Regional District Name",
                                        "Edit_RegionalDistrict_Name",
                                        2};

const GroupTexts kMunicipalityTexts{"GroupBox_Muni",
                                    "< Municipality >",
                                    "Label_Municipality",
                                    "Municipality",
                                    "ComboBox_Municipality",
                                    "CheckBox_Override_Muni",
                                    "Let me manually enter the Municipality Code ( Override )",
                                    "Label_Municipality_Code_Override",
                                    "Municipality Code",
                                    "Edit_Municipality_Code",
                                    "Label_Municipality_Override",
                                    "Municipality Name",
                                    "Edit_Municipality_Name",
                                    3};

template <typename T> T *named(T *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString latin(const char *text) {
    return QString::fromLatin1(text);
}

// The background of a control the user may use, as the system draws text fields.
QColor windowBackground() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

void showSwitchedOff(QWidget *control, bool off) {
    colours::setBackground(control, off ? colours::silver : windowBackground());
}

void setMode(const DistrictGroupControls &g, ChoiceMode mode) {
    const bool manual = mode == ChoiceMode::Manual;
    g.listLabel->setEnabled(!manual);
    g.list->setEnabled(!manual);
    showSwitchedOff(g.list, manual);
    g.codeLabel->setEnabled(manual);
    g.nameLabel->setEnabled(manual);
    for (QLineEdit *field : {g.code, g.name}) {
        field->setEnabled(manual);
        showSwitchedOff(field, !manual);
    }
}

void setListText(QComboBox *list, const QString &text) {
    setTextUncut(list->lineEdit(), text);
}

void fillFromList(DistrictKind kind, const QComboBox *list, QLineEdit *code, QLineEdit *name) {
    const CodeAndName split = splitListText(kind, fromQString(list->currentText()));
    setTextUncut(code, toQString(split.code));
    setTextUncut(name, toQString(split.name));
}

void setIfGiven(QLineEdit *field, const std::optional<std::string> &text) {
    if (text)
        setTextUncut(field, toQString(*text));
}

// Trims as the core does. The characters trimmed are single characters in both encodings, so
// the counts cut from the core's text can be cut from the field's, which keeps any character
// the header cannot hold as typed until OK.
void trimField(QLineEdit *field) {
    const QString text = field->text();
    const std::string bytes = fromQString(text);
    const std::string_view kept = trimView(bytes);
    const auto front = static_cast<qsizetype>(kept.data() - bytes.data());
    const auto back = static_cast<qsizetype>(bytes.size() - kept.size()) - front;
    if (front == 0 && back == 0)
        return;
    setTextUncut(field, text.mid(front, text.size() - front - back));
}

DistrictGroupControls buildDistrictGroupControls(QWidget *parent, const GroupTexts &t,
                                                 ReferenceList list) {
    DistrictGroupControls g{};
    g.group = named(new QGroupBox(latin(t.caption), parent), t.groupName);
    g.listLabel = named(new QLabel(latin(t.listLabel), g.group), t.listLabelName);
    g.list = named(new QComboBox(g.group), t.listName);
    g.override = named(new QCheckBox(latin(t.override), g.group), t.overrideName);
    g.codeLabel = named(new QLabel(latin(t.codeLabel), g.group), t.codeLabelName);
    g.code = named(new QLineEdit(g.group), t.codeName);
    g.nameLabel = named(new QLabel(latin(t.nameLabel), g.group), t.nameLabelName);
    g.name = named(new QLineEdit(g.group), t.nameName);

    g.list->setEditable(true);
    // Typed text stays exactly as typed: no completion, and Enter adds no row.
    g.list->setCompleter(nullptr);
    g.list->setInsertPolicy(QComboBox::NoInsert);
    g.list->setMaxVisibleItems(16);
    for (std::string_view row : rows(list))
        g.list->addItem(toQString(row));
    g.list->setCurrentIndex(-1);
    limitTyping(g.list->lineEdit(), kListTypingLimit);
    limitTyping(g.code, t.codeLimit);
    limitTyping(g.name, kNameTypingLimit);
    g.list->setMinimumContentsLength(40);
    g.name->setMinimumWidth(g.name->fontMetrics().horizontalAdvance(QString(40, u'M')));

    auto *layout = new QGridLayout(g.group);
    layout->addWidget(g.listLabel, 0, 0);
    layout->addWidget(g.list, 0, 1);
    layout->addWidget(g.override, 1, 0, 1, 2);
    layout->addWidget(g.codeLabel, 2, 0);
    layout->addWidget(g.code, 2, 1, Qt::AlignLeft);
    layout->addWidget(g.nameLabel, 3, 0);
    layout->addWidget(g.name, 3, 1);
    g.code->setMaximumWidth(g.code->fontMetrics().horizontalAdvance(QString(6, u'0')));
    return g;
}

} // namespace

TRegionalDistrictMaintenance::TRegionalDistrictMaintenance(Services services,
                                                           CollectionDocument &document,
                                                           QWidget *parent)
    : QDialog(parent), services_(services), document_(document) {
    setObjectName(QStringLiteral("RegionalDistrictMaintenance"));
    setWindowTitle(QStringLiteral("Drovan: Regional District / Municipality Maintenance"));
    colours::setBackground(this, colours::aqua);

    auto *layout = new QVBoxLayout(this);
    // The window always fits the kind choice, the one group shown and the buttons.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Label_RegionalDistrictMaintenance_Info = named(
        new QLabel(QStringLiteral("Please identify your Regional District or Municipality"), this),
        "Label_RegionalDistrictMaintenance_Info");
    QFont bold = Label_RegionalDistrictMaintenance_Info->font();
    bold.setBold(true);
    Label_RegionalDistrictMaintenance_Info->setFont(bold);
    colours::setTextColour(Label_RegionalDistrictMaintenance_Info, colours::navy);
    layout->addWidget(Label_RegionalDistrictMaintenance_Info);

    buildKindChoice();
    layout->addWidget(GroupBox_RD_or_Muni);

    // Both groups share one grid cell: whichever is shown stands in the same place.
    auto *groupPlace = new QWidget(this);
    auto *groupLayout = new QGridLayout(groupPlace);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    groupLayout->addWidget(buildGroup(true), 0, 0);
    groupLayout->addWidget(buildGroup(false), 0, 0);
    layout->addWidget(groupPlace);

    Button_OK = named(new QPushButton(QStringLiteral("OK"), this), "Button_OK");
    Button_Cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "Button_Cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);
    layout->addLayout(buttons);

    Timer_OK_Button = named(new QTimer(this), "Timer_OK_Button");
    Timer_OK_Button->setInterval(500);

    RadioButton_RD->setChecked(true);
    IAmaRegionalDistrict();
    SetScreenForNormalRegionalDistrictSelection();
    SetScreenForNormalMunicipalitySelection();
    connectHandlers();
}

void TRegionalDistrictMaintenance::buildKindChoice() {
    GroupBox_RD_or_Muni =
        named(new QGroupBox(QStringLiteral("< Regional District or Municipality >"), this),
              "GroupBox_RD_or_Muni");
    RadioButton_RD =
        named(new QRadioButton(QStringLiteral("I am a Regional District"), GroupBox_RD_or_Muni),
              "RadioButton_RD");
    RadioButton_Muni =
        named(new QRadioButton(QStringLiteral("I am a Municipality"), GroupBox_RD_or_Muni),
              "RadioButton_Muni");
    auto *layout = new QHBoxLayout(GroupBox_RD_or_Muni);
    layout->addWidget(RadioButton_RD);
    layout->addWidget(RadioButton_Muni);
    layout->addStretch(1);
}

QGroupBox *TRegionalDistrictMaintenance::buildGroup(bool regional) {
    const DistrictGroupControls g = buildDistrictGroupControls(
        this, regional ? kRegionalDistrictTexts : kMunicipalityTexts,
        regional ? ReferenceList::RegionalDistrict : ReferenceList::Municipality);
    if (regional) {
        GroupBox_RD = g.group;
        Label_RegionalDistrict = g.listLabel;
        ComboBox_RegionalDistrict = g.list;
        CheckBox_Override = g.override;
        Label_RegionalDistrict_Code_Override = g.codeLabel;
        Edit_RegionalDistrict_Code = g.code;
        Label_RegionalDistrict_Override = g.nameLabel;
        Edit_RegionalDistrict_Name = g.name;
    } else {
        GroupBox_Muni = g.group;
        Label_Municipality = g.listLabel;
        ComboBox_Municipality = g.list;
        CheckBox_Override_Muni = g.override;
        Label_Municipality_Code_Override = g.codeLabel;
        Edit_Municipality_Code = g.code;
        Label_Municipality_Override = g.nameLabel;
        Edit_Municipality_Name = g.name;
    }
    return g.group;
}

// A control can lose the focus while the window is destroyed; that is no exit, and the handlers
// are gone by then.
TRegionalDistrictMaintenance::~TRegionalDistrictMaintenance() {
    for (FocusExit *exit : findChildren<FocusExit *>())
        exit->disconnect(this);
}

void TRegionalDistrictMaintenance::connectHandlers() {
    using D = TRegionalDistrictMaintenance;
    connect(RadioButton_RD, &QRadioButton::clicked, this, &D::RadioButton_RDClick);
    connect(RadioButton_Muni, &QRadioButton::clicked, this, &D::RadioButton_MuniClick);
    connect(CheckBox_Override, &QCheckBox::clicked, this, &D::CheckBox_OverrideClick);
    connect(CheckBox_Override_Muni, &QCheckBox::clicked, this, &D::CheckBox_Override_MuniClick);
    connect(ComboBox_RegionalDistrict, &QComboBox::editTextChanged, this,
            &D::ComboBox_RegionalDistrictChange);
    connect(ComboBox_Municipality, &QComboBox::editTextChanged, this,
            &D::ComboBox_MunicipalityChange);
    for (QLineEdit *code : {Edit_RegionalDistrict_Code, Edit_Municipality_Code})
        connect(new FocusExit(code), &FocusExit::exited, this, &D::Edit_RegionalDistrict_CodeExit);
    for (QLineEdit *name : {Edit_RegionalDistrict_Name, Edit_Municipality_Name})
        connect(new FocusExit(name), &FocusExit::exited, this, &D::Edit_RegionalDistrict_NameExit);
    connect(Timer_OK_Button, &QTimer::timeout, this, &D::Timer_OK_ButtonTimer);
    connect(Button_OK, &QPushButton::clicked, this, &D::Button_OKClick);
    connect(Button_Cancel, &QPushButton::clicked, this, &D::Button_CancelClick);
    connect(this, &QDialog::finished, this, &D::FormClose);
}

void TRegionalDistrictMaintenance::showEvent(QShowEvent *event) {
    // Before the dialog centres itself, so that it centres at its opening size.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

DistrictGroupControls TRegionalDistrictMaintenance::groupOf(bool regional) const {
    if (regional)
        return {GroupBox_RD,
                Label_RegionalDistrict,
                ComboBox_RegionalDistrict,
                CheckBox_Override,
                Label_RegionalDistrict_Code_Override,
                Edit_RegionalDistrict_Code,
                Label_RegionalDistrict_Override,
                Edit_RegionalDistrict_Name};
    return {GroupBox_Muni,
            Label_Municipality,
            ComboBox_Municipality,
            CheckBox_Override_Muni,
            Label_Municipality_Code_Override,
            Edit_Municipality_Code,
            Label_Municipality_Override,
            Edit_Municipality_Name};
}

bool TRegionalDistrictMaintenance::regionalChecked() const {
    return RadioButton_RD->isChecked();
}

// ---- Operations ----

void TRegionalDistrictMaintenance::IAmaRegionalDistrict() {
    GroupBox_Muni->hide();
    GroupBox_RD->show();
}

void TRegionalDistrictMaintenance::IAmaMunicipality() {
    GroupBox_RD->hide();
    GroupBox_Muni->show();
}

void TRegionalDistrictMaintenance::SetScreenForNormalRegionalDistrictSelection() {
    setMode(groupOf(true), ChoiceMode::List);
}

void TRegionalDistrictMaintenance::SetScreenForManualRegionalDistrictSelection() {
    setMode(groupOf(true), ChoiceMode::Manual);
}

void TRegionalDistrictMaintenance::SetScreenForNormalMunicipalitySelection() {
    setMode(groupOf(false), ChoiceMode::List);
}

void TRegionalDistrictMaintenance::SetScreenForManualMunicipalitySelection() {
    setMode(groupOf(false), ChoiceMode::Manual);
}

// ---- Handlers ----

void TRegionalDistrictMaintenance::FormShow() {
    const DistrictOpening opening = openDistrictChoice(document_.header());
    const bool manual = opening.mode == ChoiceMode::Manual;
    // The list text first: its change fills the group's fields, which the opening then sets.
    if (opening.kind == DistrictKind::RegionalDistrict) {
        RadioButton_RD->setChecked(true);
        IAmaRegionalDistrict();
        setListText(ComboBox_RegionalDistrict, toQString(opening.listText));
        CheckBox_Override->setChecked(opening.overrideChecked());
        if (manual)
            SetScreenForManualRegionalDistrictSelection();
        else
            SetScreenForNormalRegionalDistrictSelection();
    } else {
        RadioButton_Muni->setChecked(true);
        IAmaMunicipality();
        setListText(ComboBox_Municipality, toQString(opening.listText));
        CheckBox_Override_Muni->setChecked(opening.overrideChecked());
        if (manual)
            SetScreenForManualMunicipalitySelection();
        else
            SetScreenForNormalMunicipalitySelection();
    }
    setIfGiven(Edit_RegionalDistrict_Code, opening.regionalDistrictCode);
    setIfGiven(Edit_RegionalDistrict_Name, opening.regionalDistrictName);
    setIfGiven(Edit_Municipality_Code, opening.municipalityCode);
    setIfGiven(Edit_Municipality_Name, opening.municipalityName);
    adjustSize();
    Timer_OK_Button->start();
}

void TRegionalDistrictMaintenance::FormClose() {
    Timer_OK_Button->stop();
}

void TRegionalDistrictMaintenance::RadioButton_RDClick() {
    IAmaRegionalDistrict();
}

void TRegionalDistrictMaintenance::RadioButton_MuniClick() {
    IAmaMunicipality();
}

void TRegionalDistrictMaintenance::CheckBox_OverrideClick() {
    if (CheckBox_Override->isChecked())
        SetScreenForManualRegionalDistrictSelection();
    else
        SetScreenForNormalRegionalDistrictSelection();
}

void TRegionalDistrictMaintenance::CheckBox_Override_MuniClick() {
    if (CheckBox_Override_Muni->isChecked())
        SetScreenForManualMunicipalitySelection();
    else
        SetScreenForNormalMunicipalitySelection();
}

void TRegionalDistrictMaintenance::ComboBox_RegionalDistrictChange() {
    fillFromList(DistrictKind::RegionalDistrict, ComboBox_RegionalDistrict,
                 Edit_RegionalDistrict_Code, Edit_RegionalDistrict_Name);
}

void TRegionalDistrictMaintenance::ComboBox_MunicipalityChange() {
    fillFromList(DistrictKind::Municipality, ComboBox_Municipality, Edit_Municipality_Code,
                 Edit_Municipality_Name);
}

void TRegionalDistrictMaintenance::Edit_RegionalDistrict_CodeExit(QWidget *sender) {
    if (auto *field = qobject_cast<QLineEdit *>(sender))
        trimField(field);
}

void TRegionalDistrictMaintenance::Edit_RegionalDistrict_NameExit(QWidget *sender) {
    if (auto *field = qobject_cast<QLineEdit *>(sender))
        trimField(field);
}

void TRegionalDistrictMaintenance::Timer_OK_ButtonTimer() {
    const bool regional = regionalChecked();
    const DistrictGroupControls g = groupOf(regional);
    Button_OK->setEnabled(
        canConfirmDistrict(regional ? DistrictKind::RegionalDistrict : DistrictKind::Municipality,
                           g.override->isChecked() ? ChoiceMode::Manual : ChoiceMode::List,
                           fromQString(g.list->currentText()), fromQString(g.code->text()),
                           fromQString(g.name->text())));
}

void TRegionalDistrictMaintenance::Button_OKClick() {
    const bool regional = regionalChecked();
    const DistrictGroupControls g = groupOf(regional);
    apply(document_,
          confirmDistrict(document_.header(),
                          regional ? DistrictKind::RegionalDistrict : DistrictKind::Municipality,
                          fromQString(g.code->text()), fromQString(g.name->text())));
    accept();
}

void TRegionalDistrictMaintenance::Button_CancelClick() {
    reject();
}

} // namespace drovan::ui
