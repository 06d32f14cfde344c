#include "Tax_Year.h"

#include "Colours.h"
#include "FocusExit.h"
#include "Platform.h"
#include "TextCodec.h"
#include "TypingLimit.h"
#include "document/CollectionDocument.h"
#include "entry/TaxYearChoice.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace drovan::ui {
namespace {

template <typename T> T *named(T *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

std::vector<std::string> rowsOf(const QComboBox *list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(fromQString(list->itemText(i)));
    return rows;
}

} // namespace

TForm_Tax_Year::TForm_Tax_Year(Services services, CollectionDocument &document, QWidget *parent)
    : QDialog(parent), services_(services), document_(document) {
    setObjectName(QStringLiteral("Form_Tax_Year"));
    setWindowTitle(QStringLiteral("Drovan: Enter Collection Tax Year"));
    colours::setBackground(this, colours::moneyGreen);

    auto *layout = new QVBoxLayout(this);
    // The window always fits the group and the buttons.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    GroupBox_Tax_Year =
        named(new QGroupBox(QStringLiteral("< Tax Year >"), this), "GroupBox_Tax_Year");
    colours::setBackground(GroupBox_Tax_Year, colours::skyBlue);
    colours::setTextColour(GroupBox_Tax_Year, colours::navy);
    Label1 = named(new QLabel(QStringLiteral("Select the  \"Tax Year\" that the utility debt "
                                             "applies to:"),
                              GroupBox_Tax_Year),
                   "Label1");
    ComboBox_Tax_Year = named(new QComboBox(GroupBox_Tax_Year), "ComboBox_Tax_Year");
    ComboBox_Tax_Year->setEditable(true);
    // Typed text stays exactly as typed: no completion, and Enter adds no row.
    ComboBox_Tax_Year->setCompleter(nullptr);
    ComboBox_Tax_Year->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_Tax_Year->setEditText(QStringLiteral("CCYY"));
    Label_Note = named(new QLabel(GroupBox_Tax_Year), "Label_Note");
    Label_Note->setWordWrap(true);
    Label_Note->setFixedWidth(Label_Note->fontMetrics().horizontalAdvance(QString(50, u'x')));
    auto *groupLayout = new QVBoxLayout(GroupBox_Tax_Year);
    auto *choice = new QHBoxLayout;
    choice->addWidget(Label1);
    choice->addWidget(ComboBox_Tax_Year);
    choice->addStretch(1);
    groupLayout->addLayout(choice);
    groupLayout->addWidget(Label_Note);
    layout->addWidget(GroupBox_Tax_Year);

    Button_Tax_Year_OK = named(new QPushButton(QStringLiteral("OK"), this), "Button_Tax_Year_OK");
    Button_Tax_Year_OK->setEnabled(false);
    Button_Tax_Year_Cancel =
        named(new QPushButton(QStringLiteral("Cancel"), this), "Button_Tax_Year_Cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_Tax_Year_OK);
    buttons->addWidget(Button_Tax_Year_Cancel);
    layout->addLayout(buttons);

    Timer_Tax_Year = named(new QTimer(this), "Timer_Tax_Year");
    Timer_Tax_Year->setInterval(500);
    connectHandlers();
}

// A control can lose the focus while the window is destroyed; that is no exit, and the handlers
// are gone by then.
TForm_Tax_Year::~TForm_Tax_Year() {
    for (FocusExit *exit : findChildren<FocusExit *>())
        exit->disconnect(this);
}

void TForm_Tax_Year::connectHandlers() {
    using D = TForm_Tax_Year;
    connect(Timer_Tax_Year, &QTimer::timeout, this, &D::Timer_Tax_YearTimer);
    connect(new FocusExit(ComboBox_Tax_Year), &FocusExit::exited, this, &D::ComboBox_Tax_YearExit);
    connect(Button_Tax_Year_OK, &QPushButton::clicked, this, &D::Button_Tax_Year_OKClick);
    connect(Button_Tax_Year_Cancel, &QPushButton::clicked, this, &D::Button_Tax_Year_CancelClick);
    connect(this, &QDialog::finished, this, &D::FormClose);
}

void TForm_Tax_Year::showEvent(QShowEvent *event) {
    // Before the dialog centres itself, so that it centres at its opening size.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TForm_Tax_Year::FormShow() {
    const Date today = services_.clock.today();
    ComboBox_Tax_Year->clear();
    for (const std::string &year : offeredTaxYears(today))
        ComboBox_Tax_Year->addItem(toQString(year));
    // A loaded year is shown whole, however long.
    setTextUncut(ComboBox_Tax_Year->lineEdit(),
                 toQString(taxYearAtOpening(document_.header().taxYear, today)));
    Timer_Tax_Year->start();
    Label_Note->setText(toQString(taxYearNote(today)));
    // A fixed-size window sizes from hints, which know nothing of wrapping: give the note the
    // height its lines take at its width.
    Label_Note->setFixedHeight(Label_Note->heightForWidth(Label_Note->width()));
    adjustSize();
}

void TForm_Tax_Year::FormClose() {
    Timer_Tax_Year->stop();
}

void TForm_Tax_Year::SetOKButton() {
    Button_Tax_Year_OK->setEnabled(canConfirmTaxYear(fromQString(ComboBox_Tax_Year->currentText()),
                                                     rowsOf(ComboBox_Tax_Year)));
}

void TForm_Tax_Year::Timer_Tax_YearTimer() {
    SetOKButton();
}

void TForm_Tax_Year::ComboBox_Tax_YearExit() {
    SetOKButton();
}

void TForm_Tax_Year::Button_Tax_Year_OKClick() {
    apply(document_, confirmTaxYear(document_.header().taxYear,
                                    fromQString(ComboBox_Tax_Year->currentText())));
    accept();
}

void TForm_Tax_Year::Button_Tax_Year_CancelClick() {
    reject();
}

} // namespace drovan::ui
