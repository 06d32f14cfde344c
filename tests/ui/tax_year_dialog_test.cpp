#include "Colours.h"
#include "RegionalUtilityPayments.h"
#include "Tax_Year.h"
#include "TextCodec.h"
#include "UiFixture.h"
#include "document/CollectionDocument.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace drovan;
using namespace drovan::ui;
using namespace drovan::ui::test;

namespace {

QString noteFor(const QString &year, const QString &previous) {
    return QStringLiteral("For example if today's date was January 15th, ") + year +
           QStringLiteral(", you are then submitting utility debt entries that were due and "
                          "payable on or before the 31st day of December ") +
           previous + QStringLiteral(", and which remain unpaid on the 31st day of December ") +
           previous + QStringLiteral(". Then tax year would be ") + previous;
}

QStringList rowsOf(const QComboBox *box) {
    QStringList rows;
    for (int i = 0; i < box->count(); ++i)
        rows.append(box->itemText(i));
    return rows;
}

} // namespace

class TaxYearDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> fx;
    TForm_Tax_Year *dialog = nullptr;
    TRegionalDistrictPayments *window = nullptr;

    CollectionDocument &doc() { return window->document(); }

    template <typename T> T *find(const char *name) { return control<T>(dialog, name); }
    QComboBox *years() { return find<QComboBox>("ComboBox_Tax_Year"); }
    QPushButton *ok() { return find<QPushButton>("Button_Tax_Year_OK"); }
    QTimer *timer() { return find<QTimer>("Timer_Tax_Year"); }

    void open(const QString &taxYear, Date today) {
        fx->clock.set(today);
        doc().setTaxYear(fromQString(taxYear));
        dialog->FormShow();
    }
    bool okAfterRule() {
        dialog->SetOKButton();
        return ok()->isEnabled();
    }
    void pick(const QString &year) {
        const int index = years()->findText(year);
        QVERIFY2(index >= 0, qPrintable(year));
        years()->setCurrentIndex(index);
    }

private Q_SLOTS:
    void init() {
        fx = std::make_unique<UiFixture>();
        fx->create();
        dialog = &fx->forms->Form_Tax_Year();
        window = &fx->forms->RegionalDistrictPayments();
    }
    void cleanup() {
        dialog = nullptr;
        window = nullptr;
        fx.reset();
    }

    void createdWithEveryControlAndCaption() {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Drovan: Enter Collection Tax Year"));
        QCOMPARE(colours::backgroundOf(dialog), colours::moneyGreen);
        auto *group = find<QGroupBox>("GroupBox_Tax_Year");
        QCOMPARE(group->title(), QStringLiteral("< Tax Year >"));
        QCOMPARE(colours::backgroundOf(group), colours::skyBlue);
        QCOMPARE(group->palette().color(QPalette::WindowText), colours::navy);
        auto *label = find<QLabel>("Label1");
        QCOMPARE(label->text(),
                 QStringLiteral("Select the  \"Tax Year\" that the utility debt applies to:"));
        QCOMPARE(label->palette().color(QPalette::WindowText), colours::navy);
        QCOMPARE(years()->isEditable(), true);
        QCOMPARE(years()->currentText(), QStringLiteral("CCYY"));
        QCOMPARE(years()->count(), 0);
        QCOMPARE(find<QLabel>("Label_Note")->wordWrap(), true);
        QCOMPARE(ok()->text(), QStringLiteral("OK"));
        QCOMPARE(ok()->isEnabled(), false);
        QCOMPARE(find<QPushButton>("Button_Tax_Year_Cancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(timer()->isActive(), false);
        QCOMPARE(timer()->interval(), 500);
    }

    void theNoteShowsWhole() {
        fx->clock.set(Date{2011, 6, 15});
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *note = find<QLabel>("Label_Note");
        QVERIFY(note->height() >= note->heightForWidth(note->width()));
        QVERIFY(dialog->rect().contains(note->mapTo(dialog, note->rect().bottomRight())));
        dialog->reject();
    }

    void opensWithTheYearsOfToday_data() {
        QTest::addColumn<Date>("today");
        QTest::addColumn<QString>("headerYear");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("okEnabled");
        const QStringList rows2011 = {QStringLiteral("2010"), QStringLiteral("2011"),
                                      QStringLiteral("2012")};
        const QStringList rows2010 = {QStringLiteral("2009"), QStringLiteral("2010"),
                                      QStringLiteral("2011")};
        const QString note2011 = noteFor(QStringLiteral("2011"), QStringLiteral("2010"));
        const QString note2010 = noteFor(QStringLiteral("2010"), QStringLiteral("2009"));
        QTest::newRow("2010 in 2011") << Date{2011, 6, 15} << QStringLiteral("2010") << rows2011
                                      << QStringLiteral("2010") << note2011 << true;
        QTest::newRow("a loaded 2005 shown as it is")
            << Date{2011, 6, 15} << QStringLiteral("2005") << rows2011 << QStringLiteral("2005")
            << note2011 << false;
        QTest::newRow("a very long loaded text shown whole")
            << Date{2011, 6, 15} << QString(40000, u'9') << rows2011 << QString(40000, u'9')
            << note2011 << false;
        QTest::newRow("no year yet, June")
            << Date{2011, 6, 15} << QStringLiteral("CCYY") << rows2011 << QStringLiteral("2011")
            << note2011 << true;
        QTest::newRow("no year yet, March")
            << Date{2011, 3, 1} << QStringLiteral("CCYY") << rows2011 << QStringLiteral("2010")
            << note2011 << true;
        QTest::newRow("1 January 2011") << Date{2011, 1, 1} << QStringLiteral("2011") << rows2011
                                        << QStringLiteral("2011") << note2011 << true;
        QTest::newRow("31 December 2010") << Date{2010, 12, 31} << QStringLiteral("2011")
                                          << rows2010 << QStringLiteral("2011") << note2010 << true;
        QTest::newRow("31 December 2010, next year not offered yet")
            << Date{2010, 12, 31} << QStringLiteral("2012") << rows2010 << QStringLiteral("2012")
            << note2010 << false;
    }
    void opensWithTheYearsOfToday() {
        QFETCH(Date, today);
        QFETCH(QString, headerYear);
        QFETCH(QStringList, rows);
        QFETCH(QString, shown);
        QFETCH(QString, note);
        QFETCH(bool, okEnabled);
        open(headerYear, today);
        QCOMPARE(rowsOf(years()), rows);
        QCOMPARE(years()->currentText(), shown);
        QCOMPARE(find<QLabel>("Label_Note")->text(), note);
        QCOMPARE(timer()->isActive(), true);
        QCOMPARE(okAfterRule(), okEnabled);
    }

    void theNoteHasNoFullStop() {
        open(QStringLiteral("2010"), Date{2011, 6, 15});
        const QString note = find<QLabel>("Label_Note")->text();
        QCOMPARE(note.right(29), QStringLiteral(". Then tax year would be 2010"));
        QCOMPARE(note.endsWith(u'.'), false);
    }

    void everyOpeningRebuildsTheRows() {
        open(QStringLiteral("2010"), Date{2011, 12, 31});
        QCOMPARE(rowsOf(years()).first(), QStringLiteral("2010"));
        dialog->Button_Tax_Year_CancelClick();
        open(QStringLiteral("2010"), Date{2012, 1, 1});
        QCOMPARE(rowsOf(years()), (QStringList{QStringLiteral("2011"), QStringLiteral("2012"),
                                               QStringLiteral("2013")}));
        QCOMPARE(find<QLabel>("Label_Note")->text(),
                 noteFor(QStringLiteral("2012"), QStringLiteral("2011")));
        QCOMPARE(okAfterRule(), false);
    }

    void typedYears_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("okEnabled");
        QTest::newRow("an offered year") << QStringLiteral("2012") << true;
        QTest::newRow("a year before the offered ones") << QStringLiteral("2009") << false;
        QTest::newRow("a leading blank") << QStringLiteral(" 2011") << false;
        QTest::newRow("a trailing blank") << QStringLiteral("2011 ") << false;
        QTest::newRow("a leading zero") << QStringLiteral("02011") << false;
        QTest::newRow("letters") << QStringLiteral("CCYY") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("very long") << QString(5000, u'9') << false;
        QTest::newRow("beyond the code page") << QStringLiteral("2011\u03A9\U0001F600") << false;
    }
    void typedYears() {
        QFETCH(QString, typed);
        QFETCH(bool, okEnabled);
        open(QStringLiteral("2010"), Date{2011, 6, 15});
        QCOMPARE(okAfterRule(), true);
        years()->lineEdit()->selectAll();
        years()->lineEdit()->insert(typed);
        QCOMPARE(years()->currentText(), typed);
        // Leaving the list box runs the rule at once.
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(years(), &out);
        QCOMPARE(ok()->isEnabled(), okEnabled);
        QCOMPARE(years()->currentText(), typed);
        QCOMPARE(years()->count(), 3);
    }

    void theTimerRunsTheRule() {
        open(QStringLiteral("2005"), Date{2011, 6, 15});
        ok()->setEnabled(true);
        QVERIFY(QMetaObject::invokeMethod(timer(), "timeout"));
        QCOMPARE(ok()->isEnabled(), false);
    }

    void okKeepsItsStateUntilTheRuleRuns() {
        QCOMPARE(ok()->isEnabled(), false);
        open(QStringLiteral("2010"), Date{2011, 6, 15});
        QCOMPARE(ok()->isEnabled(), false);
        QCOMPARE(okAfterRule(), true);
        dialog->Button_Tax_Year_CancelClick();
        open(QStringLiteral("2005"), Date{2011, 6, 15});
        QCOMPARE(ok()->isEnabled(), true);
        QCOMPARE(okAfterRule(), false);
    }

    void closing_data() {
        QTest::addColumn<QString>("headerYear");
        QTest::addColumn<bool>("unsavedBefore");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("yearAfter");
        QTest::addColumn<bool>("unsavedAfter");
        const QString y2005 = QStringLiteral("2005");
        const QString y2010 = QStringLiteral("2010");
        const QString y2011 = QStringLiteral("2011");
        QTest::newRow("a loaded 2005 kept by Cancel")
            << y2005 << false << y2011 << QStringLiteral("cancel") << y2005 << false;
        QTest::newRow("a loaded 2005 kept by the close box")
            << y2005 << false << y2011 << QStringLiteral("close") << y2005 << false;
        QTest::newRow("a loaded 2005 kept by Escape")
            << y2005 << false << y2011 << QStringLiteral("escape") << y2005 << false;
        QTest::newRow("a loaded 2005 replaced by OK")
            << y2005 << false << y2011 << QStringLiteral("ok") << y2011 << true;
        QTest::newRow("OK with the same year")
            << y2010 << false << y2010 << QStringLiteral("ok") << y2010 << false;
        QTest::newRow("OK with the same year keeps an earlier mark")
            << y2010 << true << y2010 << QStringLiteral("ok") << y2010 << true;
    }
    void closing() {
        QFETCH(QString, headerYear);
        QFETCH(bool, unsavedBefore);
        QFETCH(QString, picked);
        QFETCH(QString, how);
        QFETCH(QString, yearAfter);
        QFETCH(bool, unsavedAfter);
        fx->clock.set(Date{2011, 6, 15});
        doc().setTaxYear(fromQString(headerYear));
        if (unsavedBefore)
            doc().markUnsaved();
        dialog->show();
        QCOMPARE(timer()->isActive(), true);
        QCOMPARE(years()->currentText(), headerYear);
        pick(picked);
        dialog->SetOKButton();
        if (how == QStringLiteral("ok"))
            ok()->click();
        else if (how == QStringLiteral("cancel"))
            find<QPushButton>("Button_Tax_Year_Cancel")->click();
        else if (how == QStringLiteral("close"))
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(dialog->isVisible(), false);
        QCOMPARE(timer()->isActive(), false);
        QCOMPARE(toQString(doc().header().taxYear), yearAfter);
        QCOMPARE(doc().hasUnsavedChanges(), unsavedAfter);
        QCOMPARE(child<QLabel>(window, "Label_Tax_Year")->text(), yearAfter);
        QCOMPARE(child<QLabel>(window, "Label_Unsaved_Changes")->isHidden(), !unsavedAfter);
    }

    void theStatusButtonOpensTheDialog() {
        doc().setDistrict(DistrictKind::RegionalDistrict, "03", "CAPITAL");
        doc().setNew();
        window->CloseWelcomGroup();
        doc().setTaxYear("2010");
        bool opened = false;
        whenModalOpens([&](QWidget *modal) {
            auto *shown = qobject_cast<QDialog *>(modal);
            QVERIFY(shown);
            RejectLeftOpen closer{shown};
            opened = modal == dialog;
            QCOMPARE(years()->currentText(), QStringLiteral("2010"));
            pick(QStringLiteral("2012"));
            dialog->SetOKButton();
            ok()->click();
        });
        child<QPushButton>(window, "Button_Tax_Year")->click();
        QCOMPARE(opened, true);
        QCOMPARE(dialog->isVisible(), false);
        QCOMPARE(child<QLabel>(window, "Label_Tax_Year")->text(), QStringLiteral("2012"));
        QCOMPARE(child<QPushButton>(window, "Button_Save")->isEnabled(), true);
        // The closed dialog's list box kept the focus: destroying the windows is no exit.
        QCOMPARE(QApplication::focusWidget(), years());
        fx.reset();
    }
};

Q_DECLARE_METATYPE(drovan::Date)

QTEST_MAIN(TaxYearDialogTest)
#include "tax_year_dialog_test.moc"
