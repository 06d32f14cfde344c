#include "RegionalUtilityPayments.h"
#include "UiFixture.h"
#include "chargefile/ChargeFileWriter.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace drovan;
using namespace drovan::ui;
using namespace drovan::ui::test;

namespace {

const QString kDataFolder = QStringLiteral(DROVAN_TEST_DATA);

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> fx;
    TRegionalDistrictPayments *window = nullptr;

    QString text(const char *label) { return child<QLabel>(window, label)->text(); }
    bool hidden(const char *name) { return child<QWidget>(window, name)->isHidden(); }

    // A new collection of the given size, unsaved, in the document state.
    void newCollection(int rows) {
        CollectionDocument &doc = window->document();
        doc.setDistrict(DistrictKind::Municipality, "201", "CASTLEGAR ");
        doc.setTaxYear("2011");
        doc.setNew();
        window->CloseWelcomGroup();
        for (int i = 0; i < rows; ++i) {
            const auto amount = Currency::fromWhole(i + 1, 25);
            doc.appendCharge(ChargeRecord{"701", "12345.678", "OWNER " + std::to_string(i), amount,
                                          "BIN GARBAGE", "BIN", "Garbage"});
            doc.addToTotal(amount);
        }
        if (rows > 0)
            doc.setCurrentRow(0);
        doc.markUnsaved();
    }

    std::string expectedFile() {
        return chargeFileText(window->document().header(), window->document().charges());
    }

    void expectFailedSave(const QString &path) {
        fx->prompts.fileChoices = {path};
        window->Button_SaveClick();
        QCOMPARE(fx->prompts.messages, QList<QString>{QStringLiteral("ERROR in Saving the file.")});
        QVERIFY(window->document().hasUnsavedChanges());
        QVERIFY(child<QWidget>(window, "Button_Save")->isEnabled());
        QCOMPARE(text("Label_Status_PaymentFile"), QStringLiteral("New charge file"));
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

    void cancelledSaveChangesNothing() {
        newCollection(1);
        window->Button_SaveClick();
        QCOMPARE(fx->prompts.dialogs.size(), 1);
        const FileDialogOptions &options = fx->prompts.dialogs[0].options;
        QVERIFY(fx->prompts.dialogs[0].save);
        QCOMPARE(options.title, QStringLiteral("Save your Charge File"));
        QCOMPARE(options.directory, QDir::currentPath());
        QCOMPARE(options.filters, QStringList{QStringLiteral("Text file (*.txt)")});
        QCOMPARE(options.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(options.fileName, QString()); // a new collection proposes no name
        QCOMPARE(fx->prompts.messages,
                 QList<QString>{QStringLiteral("Save CANCELLED! Work is NOT saved!")});
        QVERIFY(window->document().hasUnsavedChanges());
    }

    void saveWritesTheFileAndRemembersTheDistrict() {
        newCollection(3);
        window->document().setCurrentRow(1);
        const QString path = fx->folder.filePath(QStringLiteral("charges.txt"));
        fx->prompts.fileChoices = {path};
        window->Button_SaveClick();
        QCOMPARE(fx->prompts.messages, QList<QString>{QStringLiteral("Charges are Saved!")});
        QCOMPARE(readAll(path).toStdString(), expectedFile());
        QCOMPARE(text("Label_Status_PaymentFile"), QStringLiteral("Working on: ") + path);
        QVERIFY(!window->document().hasUnsavedChanges());
        QVERIFY(hidden("Label_Unsaved_Changes"));
        QVERIFY(!child<QWidget>(window, "Button_Save")->isEnabled());
        QCOMPARE(window->document().charges().currentRow(), 1u);
        QCOMPARE(fx->settings.read(kSettingsSection, settings::Type, ""),
                 std::string("Municipality Code:"));
        QCOMPARE(fx->settings.read(kSettingsSection, settings::Code, ""), std::string("201"));
        QCOMPARE(fx->settings.read(kSettingsSection, settings::Name, ""),
                 std::string("CASTLEGAR "));

        // Saving again proposes the same file and replaces it, asking nothing.
        window->document().setTaxYear("2012");
        fx->prompts.fileChoices = {path};
        window->MenuSaveAsClick();
        QCOMPARE(fx->prompts.dialogs.last().options.fileName, path);
        QVERIFY(fx->prompts.questions.isEmpty());
        QCOMPARE(readAll(path).toStdString(), expectedFile());
        QVERIFY(readAll(path).contains("= 2012\r\n"));
    }

    void saveToAPathThatCannotBeCreated_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << QStringLiteral("no such folder/charges.txt");
        QTest::newRow("parent is a file") << QStringLiteral("plain.txt/charges.txt");
    }
    void saveToAPathThatCannotBeCreated() {
        QFETCH(QString, relative);
        writeAll(fx->folder.filePath(QStringLiteral("plain.txt")), "old");
        newCollection(2);
        expectFailedSave(fx->folder.filePath(relative));
        QCOMPARE(readAll(fx->folder.filePath(QStringLiteral("plain.txt"))), QByteArray("old"));
        QCOMPARE(fx->settings.read(kSettingsSection, settings::Code, "absent"),
                 std::string("absent"));
    }

#ifdef Q_OS_UNIX
    // Writing that stops part-way, as on a full disk: a file-size limit in a child process.
    void saveThatStopsPartWayKeepsTheOldFile() {
        const QString path = fx->folder.filePath(QStringLiteral("charges.txt"));
        const QByteArray old = "the previous charge file\r\n";
        writeAll(path, old);
        newCollection(2000); // far beyond the limit below
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            fx->prompts.fileChoices = {path};
            window->Button_SaveClick();
            const bool ok = fx->prompts.messages ==
                                QList<QString>{QStringLiteral("ERROR in Saving the file.")} &&
                            window->document().hasUnsavedChanges();
            _exit(ok ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readAll(path), old);
        // No temporary file is left beside it.
        QCOMPARE(QDir(fx->folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("charges.txt")});
    }
#endif

    void loadCancelledStillResetsTheEntrySettings() {
        fx->settings.write(kSettingsSection, settings::PrepopulateExplanation, "YES");
        fx->settings.write(kSettingsSection, settings::ExplanationType, "Water");
        window->Button_Welcome_LoadClick();
        QCOMPARE(fx->prompts.dialogs.size(), 1);
        const FileDialogOptions &options = fx->prompts.dialogs[0].options;
        QVERIFY(!fx->prompts.dialogs[0].save);
        QCOMPARE(options.filters, (QStringList{QStringLiteral("Text file (*.txt)"),
                                               QStringLiteral("Comma Delimited (*.csv)")}));
        QCOMPARE(options.defaultSuffix, QStringLiteral("txt"));
        QVERIFY(fx->prompts.messages.isEmpty());
        QCOMPARE(fx->settings.read(kSettingsSection, settings::PrepopulateExplanation, ""),
                 std::string("NO"));
        QCOMPARE(fx->settings.read(kSettingsSection, settings::ExplanationType, ""),
                 std::string("Garbage"));
        QVERIFY(!hidden("GroupBox_Welcome"));
    }

    void loadOpensTheDocument() {
        const QString path = kDataFolder + QStringLiteral("/window_two_charges.txt");
        fx->prompts.fileChoices = {path};
        window->Button_Welcome_LoadClick();
        QCOMPARE(fx->prompts.messages, QList<QString>{});
        QVERIFY(hidden("GroupBox_Welcome"));
        QVERIFY(!hidden("GroupBox_Status"));
        QVERIFY(!hidden("cxGrid_Payments"));
        QCOMPARE(text("Label_Status_PaymentFile"), QStringLiteral("Working on: ") + path);
        QCOMPARE(text("Label_Code"), QStringLiteral("07"));
        QCOMPARE(text("Label_Name"), QStringLiteral("CENTRAL OKANAGAN"));
        QCOMPARE(text("Label_Tax_Year"), QStringLiteral("2011"));
        QCOMPARE(text("Label_TotalPaymentAmount"), QStringLiteral("1,354.50"));
        QCOMPARE(window->document().charges().rowCount(), 2u);
        QCOMPARE(window->document().charges().currentRow(), 0u);
        QCOMPARE(child<QTableView>(window, "cxGrid_Payments")->currentIndex().row(), 0);
        QVERIFY(!window->document().hasUnsavedChanges());
        QVERIFY(child<QWidget>(window, "Button_Payments_Delete")->isEnabled());

        // Saved back unchanged, it gives the same bytes.
        const QString copy = fx->folder.filePath(QStringLiteral("copy.txt"));
        fx->prompts.fileChoices = {copy};
        window->Button_SaveClick();
        QCOMPARE(fx->prompts.dialogs.last().options.fileName, path);
        QCOMPARE(readAll(copy), readAll(path));
    }

    void loadShowsTheReadersMessagesInOrder() {
        fx->prompts.fileChoices = {kDataFolder + QStringLiteral("/window_no_header.csv")};
        window->Button_Welcome_LoadClick();
        QCOMPARE(fx->prompts.messages.size(), 5);
        QVERIFY(fx->prompts.messages[0].startsWith(
            QStringLiteral("ERROR - The program found record layout problems with this charge (")));
        QVERIFY(fx->prompts.messages[1].startsWith(QStringLiteral("WARNING - This is NOT")));
        QVERIFY(fx->prompts.messages[2].contains(QStringLiteral("Regional District Code")));
        QVERIFY(fx->prompts.messages[3].contains(QStringLiteral("Tax Year")));
        QCOMPARE(fx->prompts.messages[4],
                 QStringLiteral("Warning - The program detected (1) payment errors. These "
                                "payment(s) are NOT loaded!"));
        QCOMPARE(window->document().charges().rowCount(), 1u);
        QCOMPARE(text("Label_Code"), QStringLiteral("00"));
        QCOMPARE(text("Label_Tax_Year"), QStringLiteral("2011")); // the default for June 2011
    }

    void loadThatCannotReadLeavesTheDocument_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("removed while the dialog was open") << QStringLiteral("gone.txt");
        QTest::newRow("a folder") << QStringLiteral("folder");
    }
    void loadThatCannotReadLeavesTheDocument() {
        QFETCH(QString, relative);
        QVERIFY(QDir(fx->folder.path()).mkdir(QStringLiteral("folder")));
        const CollectionHeader before = window->document().header();
        fx->prompts.fileChoices = {fx->folder.filePath(relative)};
        window->Button_Welcome_LoadClick();
        QCOMPARE(fx->prompts.messages,
                 QList<QString>{QStringLiteral("ERROR in loading the file.")});
        QVERIFY(!hidden("GroupBox_Welcome"));
        QVERIFY(window->document().header() == before);
        QVERIFY(window->document().charges().isEmpty());
        QVERIFY(!window->document().hasUnsavedChanges());
    }

    void slowLoadShowsProgress() {
        const QString path = fx->folder.filePath(QStringLiteral("big.txt"));
        QByteArray bytes;
        for (int i = 0; i < 5000; ++i)
            bytes += "723,12345.678,SMITH JOHN,120.00,BLUE BIN GARBAGE\r\n";
        writeAll(path, bytes);
        window->loadProgressDelayMs = 0;
        auto *bar = child<QProgressBar>(window, "ProgressBar_Load");
        QSignalSpy spy(bar, &QProgressBar::valueChanged);
        fx->prompts.fileChoices = {path};
        window->Button_Welcome_LoadClick();
        QVERIFY(spy.count() >= 2);
        QCOMPARE(spy.last().first().toInt(), 1000);
        QVERIFY(bar->isHidden());
        QCOMPARE(window->document().charges().rowCount(), 5000u);
    }
};

QTEST_MAIN(SaveLoadTest)
#include "save_load_test.moc"
