#include "DocumentFile.h"

#include <utility>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "FileDirectory.h"
#include "Messages.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {
// Puts a value into a dialog's input for the dialog's time only.
class Lent {
  public:
    Lent(std::string& slot, const std::string& value)
        : slot_(slot), before_(std::exchange(slot, value)) {}
    ~Lent() { slot_ = std::move(before_); }
    Lent(const Lent&) = delete;
    Lent& operator=(const Lent&) = delete;

  private:
    std::string& slot_;
    std::string before_;
};
} // namespace

DocumentFile::DocumentFile(Workspace& workspace, const DocumentKind& kind)
    : workspace_(workspace), kind_(kind) {}

std::optional<std::string> DocumentFile::choose(const DocumentKind& kind, bool save) {
    ShellState& state = workspace_.state();
    const std::int16_t mode = save ? kind.saveMode : kind.openMode;
    state.FileDialogMode = mode;
    const Lent filter(state.FileDialogFilter, kind.filter);
    const Lent extension(state.FileDialogExtension, kind.extension);
    const Lent offered(filedir::offeredSlot(state), kind.named ? name_ : std::string());
    auto chosen = chooseFile(workspace_.dialogs(), filemode::Mode(mode));
    chosen_ = chosen.value_or(std::string());
    return chosen;
}

std::vector<std::string> DocumentFile::chooseSeveral(const DocumentKind& kind) {
    ShellState& state = workspace_.state();
    state.FileDialogMode = kind.openMode;
    const Lent filter(state.FileDialogFilter, kind.filter);
    const Lent extension(state.FileDialogExtension, kind.extension);
    const Lent offered(filedir::offeredSlot(state), kind.named ? name_ : std::string());
    auto chosen = chooseFiles(workspace_.dialogs(), filemode::Mode(kind.openMode));
    chosen_ = chosen.empty() ? std::string() : chosen.front();
    return chosen;
}

void DocumentFile::adopt(const std::string& path) {
    if (kind_.named)
        name_ = bareFileName(path);
}

bool DocumentFile::save(const std::function<std::string()>& bytes) {
    const auto chosen = choose(true);
    if (!chosen)
        return false;
    bool saved = false;
    {
        BusyCursor busy;
        saved = saveWholeFile(workspace_.state().ProgramFolder, *chosen, bytes());
    }
    if (!saved) {
        if (kind_.saveFailed == msg::DetailOnly)
            workspace_.state().MessageDetail = "Cannot save " + bareFileName(*chosen) + ".";
        workspace_.dialogs().showMessage(kind_.saveFailed);
        return false;
    }
    adopt(*chosen);
    return true;
}

DocumentFile::Opened DocumentFile::open(const DocumentKind& kind, const Load& load) {
    const auto chosen = choose(kind, false);
    if (!chosen)
        return Opened::Cancelled;
    bool taken = false;
    {
        BusyCursor busy;
        taken = load(readWholeFile(workspace_.state().ProgramFolder, *chosen));
    }
    if (!taken) {
        workspace_.dialogs().showMessage(msg::FileNotFound);
        return Opened::Refused;
    }
    if (kind.named)
        name_ = bareFileName(*chosen);
    return Opened::Taken;
}

int DocumentFile::ask(int questionCode) {
    const Lent named(workspace_.state().CurrentFileName, name_);
    return workspace_.dialogs().ask(questionCode);
}

int DocumentFile::askBeforeErasing() {
    return ask(name_.empty() ? question::SaveEntriesBeforeErasing : question::SaveBeforeErasing);
}
