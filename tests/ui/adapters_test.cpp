#include "Platform.h"
#include "QtSettingsStore.h"
#include "TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace drovan;
using namespace drovan::ui;

class AdaptersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textCodecRoundTripsEveryByte() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        QCOMPARE(fromQString(toQString(all)), all);
        QCOMPARE(toQString("\x80\xE9"), QStringLiteral("\u20AC\u00E9"));
        // Outside the code page, including a character beyond the Basic Multilingual Plane.
        QCOMPARE(fromQString(QStringLiteral("a\u4E2Db\U0001F600c")), std::string("a?b?c"));
    }

    void settingsReadTheDefaultWhenAbsent() {
        QTemporaryDir dir;
        QtSettingsStore store(dir.filePath(QStringLiteral("absent/Drovan (Pellimore).ini")));
        QCOMPARE(store.read(kSettingsSection, settings::Code, "00"), std::string("00"));
        QCOMPARE(store.read(kSettingsSection, settings::Type, "Regional District Code:"),
                 std::string("Regional District Code:"));
    }

    void settingsRoundTripAnyText_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("27");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("blanks around") << QByteArray("  CASTLEGAR ");
        QTest::newRow("comma") << QByteArray("SMITH, JOHN");
        QTest::newRow("quotes and semicolon") << QByteArray("\"a\"; b = c");
        QTest::newRow("at sign") << QByteArray("@Variant(foo)");
        QTest::newRow("backslash") << QByteArray("The Regional District \\ Municipality");
        QTest::newRow("line break") << QByteArray("one\r\ntwo");
        QTest::newRow("high bytes") << QByteArray("CAF\xC9 \x80");
        QTest::newRow("long") << QByteArray(100000, 'X');
    }
    void settingsRoundTripAnyText() {
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Drovan (Pellimore).ini"));
        const std::string text(value.constData(), static_cast<std::size_t>(value.size()));
        QVERIFY(QtSettingsStore(path).write(kSettingsSection, settings::Name, text));
        // A new store on the same file: the value was stored at once.
        QCOMPARE(QtSettingsStore(path).read(kSettingsSection, settings::Name, "default"), text);
    }

    void settingsFileHasTheDrovanSection() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Drovan (Pellimore).ini"));
        QtSettingsStore(path).write(kSettingsSection, settings::Code, "27");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("[Drovan]"), content.constData());
        QVERIFY2(content.contains("Code=27"), content.constData());
    }

    void settingsSurviveHandEditedFiles() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Drovan (Pellimore).ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Drovan]\nName=SMITH, JOHN\nCode=@ByteArray(\\xff)\n\x01\x02garbage\n");
        file.close();
        const QtSettingsStore store(path);
        QCOMPARE(store.read(kSettingsSection, settings::Name, "d"), std::string("SMITH, JOHN"));
        QCOMPARE(store.read(kSettingsSection, settings::Type, "d"), std::string("d"));
        store.read(kSettingsSection, settings::Code, "d"); // any result, but no crash
    }

    void settingsUnreadableReadsTheDefault() {
        QTemporaryDir dir;
        // A folder where the file should be: nothing can be read or written there.
        const QString path = dir.filePath(QStringLiteral("Drovan (Pellimore).ini"));
        QVERIFY(QDir().mkpath(path));
        QtSettingsStore store(path);
        QCOMPARE(store.read(kSettingsSection, settings::Code, "00"), std::string("00"));
        QVERIFY(!store.write(kSettingsSection, settings::Code, "27"));
    }

    void defaultIniPathFollowsXdgConfigHome() {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", "/tmp/drovan-config");
        QCOMPARE(QtSettingsStore::defaultIniPath(),
                 QStringLiteral("/tmp/drovan-config/Drovan (Pellimore).ini"));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(QtSettingsStore::defaultIniPath(),
                 QDir::homePath() + QStringLiteral("/.config/Drovan (Pellimore).ini"));
        qputenv("XDG_CONFIG_HOME", saved);
    }

    void amountsUseTheLocaleSeparators() {
        const auto amount = *Currency::parse("1234.5");
        QCOMPARE(displayAmount(amount, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("1,234.50"));
        QCOMPARE(displayAmount(amount, QLocale(QLocale::German, QLocale::Germany)),
                 QStringLiteral("1.234,50"));
        QCOMPARE(currencyAmount(amount, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("$1,234.50"));
        QCOMPARE(currencyAmount(*Currency::parse("-7"), QLocale(QLocale::English, QLocale::Canada)),
                 QStringLiteral("($7.00)")); // the locale's own negative pattern
        // Beyond what a double holds exactly.
        QCOMPARE(displayAmount(*Currency::parse("922337203685477.58"), QLocale::c()),
                 QStringLiteral("922,337,203,685,477.58"));
    }
};

QTEST_MAIN(AdaptersTest)
#include "adapters_test.moc"
