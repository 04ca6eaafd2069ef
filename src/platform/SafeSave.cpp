#include "SafeSave.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <string>

namespace platform {
namespace {

SaveDeviceHook& deviceHook() {
    static SaveDeviceHook hook;
    return hook;
}

// A new, empty file beside `target` (created exclusively, with the umask's permissions);
// its name, or an empty string when none could be made.
QString createTemporaryBeside(const QString& target) {
    const QFileInfo info(target);
    const QString stem =
        info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".tmp"));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            stem + QString::number(getpid()) + QStringLiteral("-") + QString::number(attempt);
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

bool syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// The temporary file is complete: to the disk, over the target, and the folder's entry too.
bool commitTemporary(const QString& temporary, const QString& target) {
    if (!syncPath(temporary, O_RDONLY))
        return false;
    // A replaced file keeps its permissions.
    if (QFileInfo::exists(target))
        QFile::setPermissions(temporary, QFile::permissions(target));
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return false;
    (void)syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY); // best effort
    return true;
}

bool writeAll(QIODevice& device, std::string_view bytes) {
    qint64 done = 0;
    const auto size = static_cast<qint64>(bytes.size());
    while (done < size) {
        const qint64 n = device.write(bytes.data() + done, size - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

void setSaveDeviceHook(SaveDeviceHook hook) {
    deviceHook() = std::move(hook);
}

namespace {

bool writeThroughDevice(const QString& fileName, std::string_view bytes, QIODevice::OpenMode mode) {
    QFile file(fileName);
    if (!file.open(mode))
        return false;
    bool written = false;
    if (deviceHook()) {
        const std::unique_ptr<QIODevice> device = deviceHook()(file);
        written = device && writeAll(*device, bytes);
    } else {
        written = writeAll(file, bytes);
    }
    // Qt buffers: only a flush shows whether the bytes reached the file system.
    written = file.flush() && written && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

// A device or pipe named as the target (/dev/stdout, /dev/full) cannot be replaced: it is
// written directly, and every failure still reported.
bool isSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

bool saveFileThrough(const QString& path,
                     const std::function<bool(const QString& temporaryPath)>& write) {
    const bool special = isSpecialFile(path);
    const QString temporary =
        createTemporaryBeside(special ? QDir(QDir::tempPath()).filePath("pecunex") : path);
    if (temporary.isEmpty())
        return false;
    bool saved = write(temporary);
    if (saved && special) {
        QFile file(temporary);
        saved = file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        saved = saved &&
                writeThroughDevice(path, std::string_view(bytes.constData(), size_t(bytes.size())),
                                   QIODevice::WriteOnly);
    } else if (saved) {
        saved = commitTemporary(temporary, path);
        if (saved)
            return true;
    }
    QFile::remove(temporary);
    return saved;
}

bool saveFile(const QString& path, std::string_view bytes) {
    if (isSpecialFile(path))
        return writeThroughDevice(path, bytes, QIODevice::WriteOnly);
    return saveFileThrough(path, [bytes](const QString& temporary) {
        return writeThroughDevice(temporary, bytes, QIODevice::WriteOnly | QIODevice::Truncate) &&
               QFileInfo(temporary).size() == static_cast<qint64>(bytes.size());
    });
}

} // namespace platform
