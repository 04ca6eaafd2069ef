#pragma once
// Every file the program writes goes through here, so that a save either replaces the old
// file completely or leaves it byte for byte as it was: the new contents go to a temporary
// file in the target's folder, are written, flushed, checked and synced to the disk, and
// only then renamed over the target. On any failure the temporary file is removed.
#include <functional>
#include <memory>
#include <string_view>

class QFile;
class QIODevice;
class QString;

namespace platform {

// Writes `bytes` to `path` as described above; false when anything failed.
bool saveFile(const QString& path, std::string_view bytes);

// For writers that need a file name of their own (the PDF writer): `write` fills the
// temporary file named to it and returns whether it finished; then the same sync and
// rename follow.
bool saveFileThrough(const QString& path,
                     const std::function<bool(const QString& temporaryPath)>& write);

// The seam a test replaces: the device `saveFile` writes the bytes through, given the open
// temporary file. The default writes to the file itself. An empty function restores it.
using SaveDeviceHook = std::function<std::unique_ptr<QIODevice>(QFile& temporary)>;
void setSaveDeviceHook(SaveDeviceHook hook);

} // namespace platform
