#include "FocusExit.h"
#include "TypingLimit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace drovan::ui;

class FieldAdaptersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingStopsAtTheLimit_data() {
        QTest::addColumn<QString>("programText");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty field")
            << QString() << QStringLiteral("ABCDE") << QStringLiteral("ABC");
        QTest::newRow("room for one more")
            << QStringLiteral("AB") << QStringLiteral("CDE") << QStringLiteral("ABC");
        QTest::newRow("full") << QStringLiteral("ABC") << QStringLiteral("D")
                              << QStringLiteral("ABC");
        QTest::newRow("program text beyond the limit stays whole")
            << QStringLiteral("ABCDEFG") << QStringLiteral("H") << QStringLiteral("ABCDEFG");
    }
    void typingStopsAtTheLimit() {
        QFETCH(QString, programText);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit field;
        limitTyping(&field, 3);
        setTextUncut(&field, programText);
        QCOMPARE(field.text(), programText);
        field.end(false);
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.text(), shown);
    }

    void aShorterProgramTextRestoresTheLimit() {
        QLineEdit field;
        limitTyping(&field, 2);
        setTextUncut(&field, QStringLiteral("12345"));
        setTextUncut(&field, QStringLiteral("1"));
        QTest::keyClicks(&field, QStringLiteral("234"));
        QCOMPARE(field.text(), QStringLiteral("12"));
    }

    void aFieldWithoutALimitTakesAnyText() {
        QLineEdit field;
        const QString text(40000, u'x');
        setTextUncut(&field, text);
        QCOMPARE(field.text(), text);
    }

    void exitFollowsTheFocusReason_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("exits");
        QTest::newRow("tab") << static_cast<int>(Qt::TabFocusReason) << 1;
        QTest::newRow("back tab") << static_cast<int>(Qt::BacktabFocusReason) << 1;
        QTest::newRow("mouse") << static_cast<int>(Qt::MouseFocusReason) << 1;
        QTest::newRow("shortcut") << static_cast<int>(Qt::ShortcutFocusReason) << 1;
        QTest::newRow("other") << static_cast<int>(Qt::OtherFocusReason) << 1;
        QTest::newRow("another window") << static_cast<int>(Qt::ActiveWindowFocusReason) << 0;
        QTest::newRow("a popup") << static_cast<int>(Qt::PopupFocusReason) << 0;
    }
    void exitFollowsTheFocusReason() {
        QFETCH(int, reason);
        QFETCH(int, exits);
        QLineEdit field;
        QSignalSpy spy(new FocusExit(&field), &FocusExit::exited);
        QFocusEvent out(QEvent::FocusOut, static_cast<Qt::FocusReason>(reason));
        QCoreApplication::sendEvent(&field, &out);
        QFocusEvent in(QEvent::FocusIn, static_cast<Qt::FocusReason>(reason));
        QCoreApplication::sendEvent(&field, &in);
        QCOMPARE(spy.count(), exits);
        if (exits > 0)
            QCOMPARE(spy.first().first().value<QWidget *>(), &field);
    }
};

QTEST_MAIN(FieldAdaptersTest)
#include "field_adapters_test.moc"
