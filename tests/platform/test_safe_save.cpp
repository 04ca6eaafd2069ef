// The one way files are written: complete or not at all, the old file kept on any failure.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <string>

#include "FailingSaves.h"
#include "QtTestMain.h"
#include "SafeSave.h"

namespace {
QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
void writePlain(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

class SafeSaveTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    QString target() const { return QDir(folder.path()).filePath("plan.umd"); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

  private slots:
    void init() {
        for (const QString& f : files())
            QFile::remove(QDir(folder.path()).filePath(f));
    }

    // A device that stops after `budget` bytes: the old file stays byte for byte and nothing
    // is left beside it; a budget that covers the whole text saves it.
    void aFailedWriteKeepsTheOldFile_data() {
        QTest::addColumn<qint64>("budget");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing written") << qint64(0) << false;
        QTest::newRow("one byte") << qint64(1) << false;
        QTest::newRow("a third") << qint64(100) << false;
        QTest::newRow("one byte short") << qint64(299) << false;
        QTest::newRow("exactly enough") << qint64(300) << true;
        QTest::newRow("plenty") << qint64(1 << 20) << true;
    }
    void aFailedWriteKeepsTheOldFile() {
        QFETCH(qint64, budget);
        QFETCH(bool, saved);
        const QByteArray old = "old contents\r\n";
        const std::string text(300, 'x');
        writePlain(target(), old);
        {
            FailingSaves disk(budget);
            QCOMPARE(platform::saveFile(target(), text), saved);
        }
        QCOMPARE(contents(target()), saved ? QByteArray::fromStdString(text) : old);
        QCOMPARE(files(), QStringList{"plan.umd"});
    }

    // A new file is made only when complete; an empty text is a complete file.
    void aNewFileAppearsOnlyWhenComplete() {
        {
            FailingSaves disk(10);
            QVERIFY(!platform::saveFile(target(), "0123456789AB"));
        }
        QVERIFY(files().isEmpty());
        QVERIFY(platform::saveFile(target(), ""));
        QCOMPARE(contents(target()), QByteArray());
        QVERIFY(!platform::saveFile(QDir(folder.path()).filePath("no/such/folder/x.umd"), "1"));
    }

    // A replaced file keeps its permissions.
    void permissionsStay() {
        writePlain(target(), "a");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(target(), mode));
        QVERIFY(platform::saveFile(target(), "b"));
        QCOMPARE(QFile::permissions(target()) &
                     (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                      QFile::ReadOther | QFile::WriteOther),
                 mode);
    }

    // A writer with its own file name: kept only when it reports completion.
    void aWriterThatFailsLeavesNothing() {
        writePlain(target(), "old");
        QString used;
        QVERIFY(!platform::saveFileThrough(target(), [&](const QString& temporary) {
            used = temporary;
            writePlain(temporary, "half");
            return false;
        }));
        QCOMPARE(contents(target()), QByteArray("old"));
        QCOMPARE(files(), QStringList{"plan.umd"});
        QCOMPARE(QFileInfo(used).absolutePath(),
                 QFileInfo(target()).absolutePath()); // same folder: rename
        QVERIFY(platform::saveFileThrough(target(), [](const QString& temporary) {
            writePlain(temporary, "new");
            return true;
        }));
        QCOMPARE(contents(target()), QByteArray("new"));
    }

    // A device cannot be replaced: it is written directly, and a full one is a failure.
    void devicesAreWrittenDirectly() {
        QVERIFY(platform::saveFile("/dev/null", "anything"));
        if (QFileInfo::exists("/dev/full"))
            QVERIFY(!platform::saveFile("/dev/full", std::string(100000, 'x')));
        QVERIFY(QFileInfo("/dev/null").isFile() == false);
    }
};

PECUNEX_QTEST_MAIN(SafeSaveTest)
#include "test_safe_save.moc"
