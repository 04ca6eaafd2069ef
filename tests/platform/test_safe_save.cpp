// The one way files are written: complete or not at all, the old file kept on any failure.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "FailingSaves.h"
#include "QtTestMain.h"
#include "SafeSave.h"

namespace {
QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
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
        QVERIFY(platform::saveFile(target(), "old contents\r\n"));
    }

    // A disk that fills up after `budget` bytes: the old file stays byte for byte and nothing
    // is left beside it; a budget that covers the whole text saves it. A folder the program
    // may not write in keeps the old file too (root writes anyway: there the case cannot be
    // made).
    void aFailedWriteKeepsTheOldFile() {
        const std::string text(300, 'x');
        for (const qint64 budget : {0, 299, 300}) {
            {
                FailingSaves disk(budget);
                QCOMPARE(platform::saveFile(target(), text), budget == 300);
            }
            QCOMPARE(contents(target()), budget == 300 ? QByteArray::fromStdString(text)
                                                       : QByteArray("old contents\r\n"));
            QCOMPARE(files(), QStringList{"plan.umd"});
        }
        if (geteuid() != 0) {
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
            const bool saved = platform::saveFile(target(), "new");
            QVERIFY(QFile::setPermissions(folder.path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QVERIFY(!saved);
            QCOMPARE(contents(target()), QByteArray::fromStdString(text));
        }
    }

    // Killed after the temporary file was written, before the rename: a child process writes
    // the new text and dies inside the save. The old file stays; the dead save's temporary
    // file is hidden and not named like a data file, so no file dialog lists it; the next save
    // goes through beside it.
    void killedBeforeTheRename() {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            platform::saveFileThrough(target(), [](const QString& temporary) {
                QFile f(temporary);
                if (f.open(QIODevice::WriteOnly))
                    f.write("new"), f.flush();
                _exit(0);
                return true;
            });
            _exit(1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(contents(target()), QByteArray("old contents\r\n"));
        const QStringList left = files();
        QCOMPARE(left.size(), 2);
        const QString leftover = left.value(left.indexOf("plan.umd") == 0 ? 1 : 0);
        QVERIFY2(leftover.startsWith('.') && !leftover.endsWith("umd"), qPrintable(leftover));
        QCOMPARE(contents(QDir(folder.path()).filePath(leftover)), QByteArray("new"));
        QVERIFY(platform::saveFile(target(), "newer"));
        QCOMPARE(contents(target()), QByteArray("newer"));
    }

    // A new file is made only when complete; an empty text is a complete file.
    void aNewFileAppearsOnlyWhenComplete() {
        QFile::remove(target());
        {
            FailingSaves disk(10);
            QVERIFY(!platform::saveFile(target(), "0123456789AB"));
        }
        QVERIFY(files().isEmpty());
        QVERIFY(platform::saveFile(target(), ""));
        QCOMPARE(contents(target()), QByteArray());
        QVERIFY(!platform::saveFile(QDir(folder.path()).filePath("no/such/folder/x.umd"), "1"));
    }

    // A device cannot be replaced: it is written directly, and a full one is a failure. Root
    // could replace the system's devices, so root writes to copies of them in the test's
    // folder: a fault here must never turn /dev/null into a file.
    void devicesAreWrittenDirectly() {
        QString null = "/dev/null", full = "/dev/full";
        if (geteuid() == 0) {
            null = QDir(folder.path()).filePath("null"),
            full = QDir(folder.path()).filePath("full");
            if (mknod(QFile::encodeName(null), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
                mknod(QFile::encodeName(full), S_IFCHR | 0666, makedev(1, 7)) != 0 ||
                !QFile(null).open(QIODevice::WriteOnly))
                QSKIP("no usable device nodes in the test's folder");
        }
        QVERIFY(platform::saveFile(null, "anything"));
        QVERIFY(!platform::saveFile(full, std::string(100000, 'x')));
        QVERIFY(!QFileInfo(null).isFile() && !QFileInfo(full).isFile());
    }
};

PECUNEX_QTEST_MAIN(SafeSaveTest)
#include "test_safe_save.moc"
