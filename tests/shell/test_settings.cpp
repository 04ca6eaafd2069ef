#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "Placement.h"
#include "QtTestMain.h"
#include "Settings.h"
#include "SharedState.h"

namespace QTest {
template <> inline char* toString(const TwipsPoint& p) {
    return qstrdup(QByteArray::number(p.left).append(", ").append(QByteArray::number(p.top)).constData());
}
} // namespace QTest

// The settings file and the placement table. The file's bytes are the runtime's
// comma-separated write format: texts in double quotes, the number bare, CR LF at the end.
class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    SharedState freshState() const {
        SharedState state;
        state.ProgramFolder = folder.path().toStdString();
        return state;
    }
    void writeFile(const QByteArray& bytes) const {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("Personal.kpf")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray readFile() const {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("Personal.kpf")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        QVERIFY(folder.isValid());
        QFile::remove(QDir(folder.path()).filePath(QStringLiteral("Personal.kpf")));
    }

    // --- loading --------------------------------------------------------------------------

    void firstStartWithoutFile() {
        SharedState state = freshState();
        state.LinesPerPage = 63;
        loadSettings(state);
        QCOMPARE(state.CurrencySymbol, std::string("$"));
        QCOMPARE(state.PrinterFontChoice, std::int16_t{0});
        QCOMPARE(state.UserName, std::string());
        QCOMPARE(state.LinesPerPage, std::int16_t{53});
        QVERIFY(!QFile::exists(settingsFilePath(state)));
    }

    void completeFileIsRead() {
        writeFile("\"EU\",2,\"Ann Lee\"\r\n");
        SharedState state = freshState();
        state.LinesPerPage = 63;
        loadSettings(state);
        QCOMPARE(state.CurrencySymbol, std::string("EU"));
        QCOMPARE(state.PrinterFontChoice, std::int16_t{2});
        QCOMPARE(state.UserName, std::string("Ann Lee"));
        // Only a failed read sets the page length.
        QCOMPARE(state.LinesPerPage, std::int16_t{63});
    }

    void shortFileKeepsWhatWasRead() {
        writeFile("\"EU\",3");
        SharedState state = freshState();
        state.LinesPerPage = 63;
        loadSettings(state);
        QCOMPARE(state.CurrencySymbol, std::string("EU"));
        QCOMPARE(state.PrinterFontChoice, std::int16_t{3});
        QCOMPARE(state.UserName, std::string());
        QCOMPARE(state.LinesPerPage, std::int16_t{53});
    }

    void damagedFileKeepsDefaultsForTheRest() {
        writeFile("\"EU\",x9,\"Ann Lee\"\r\n");
        SharedState state = freshState();
        state.LinesPerPage = 56;
        loadSettings(state);
        QCOMPARE(state.CurrencySymbol, std::string("EU"));
        QCOMPARE(state.PrinterFontChoice, std::int16_t{0});
        QCOMPARE(state.UserName, std::string());
        QCOMPARE(state.LinesPerPage, std::int16_t{53});
    }

    void emptyFileGivesDefaults() {
        writeFile("");
        SharedState state = freshState();
        state.LinesPerPage = 51;
        loadSettings(state);
        QCOMPARE(state.CurrencySymbol, std::string("$"));
        QCOMPARE(state.PrinterFontChoice, std::int16_t{0});
        QCOMPARE(state.LinesPerPage, std::int16_t{53});
    }

    void emptySymbolReadsAsDollar() {
        writeFile("\"\",1,\"\"\r\n");
        SharedState state = freshState();
        loadSettings(state);
        QCOMPARE(state.CurrencySymbol, std::string("$"));
        QCOMPARE(state.PrinterFontChoice, std::int16_t{1});
    }

    // --- saving ---------------------------------------------------------------------------

    void savedBytesAndRoundTrip() {
        SharedState state = freshState();
        state.CurrencySymbol = "EU";
        state.PrinterFontChoice = 3;
        state.UserName = "Lee, Ann";
        QVERIFY(saveSettings(state));
        QCOMPARE(readFile(), QByteArray("\"EU\",3,\"Lee, Ann\"\r\n"));
        SharedState next = freshState();
        loadSettings(next);
        QCOMPARE(next.UserName, std::string("Lee, Ann"));
        QCOMPARE(next.CurrencySymbol, std::string("EU"));
        QCOMPARE(next.PrinterFontChoice, std::int16_t{3});
    }

    void savingReplacesTheOldFile() {
        writeFile("\"DM\",2,\"Someone with a much longer name than the next one\"\r\n");
        SharedState state = freshState();
        state.CurrencySymbol = "";
        QVERIFY(saveSettings(state));
        QCOMPARE(readFile(), QByteArray("\"\",0,\"\"\r\n"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Personal.kpf")});
    }

    void unwritableFolderIsNoError() {
        SharedState state = freshState();
        state.ProgramFolder = QDir(folder.path()).filePath(QStringLiteral("missing/folder")).toStdString();
        QVERIFY(!saveSettings(state));
        QVERIFY(!QFile::exists(settingsFilePath(state)));
    }

    // --- where windows go -----------------------------------------------------------------

    void layoutClassBoundary() {
        QCOMPARE(layoutClassForHeight(6810), SmallLayout);
        QCOMPARE(layoutClassForHeight(8500), SmallLayout);
        QCOMPARE(layoutClassForHeight(8501), LargeLayout);
        QCOMPARE(layoutClassForHeight(12000), LargeLayout);
    }

    void placementSwitchesAbove8500() {
        // Worked figures of the window designs: the menu, a worksheet and one dialog.
        QCOMPARE(placementOffset(Placement::MainMenu, SmallLayout), (TwipsPoint{-25, -15}));
        QCOMPARE(placementOffset(Placement::Worksheet, SmallLayout), (TwipsPoint{-60, -30}));
        QCOMPARE(placementOffset(Placement::Worksheet, LargeLayout), (TwipsPoint{1200, 1000}));
        QCOMPARE(placementOffset(Placement::Message, 8500), (TwipsPoint{3600, 2000}));
        QCOMPARE(placementOffset(Placement::Message, 8501), (TwipsPoint{4650, 3000}));
        QCOMPARE(placementOffset(Placement::RecordSecondGrid, LargeLayout), (TwipsPoint{8050, 5860}));
    }
};

PECUNEX_QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
