#include "GraphHandOver.h"

#include "Dialogs.h"
#include "Messages.h"
#include "Workspace.h"

bool showGraphFrom(Workspace& workspace, const std::optional<WorksheetGraph>& request) {
    if (!request || request->bars == 0) {
        workspace.dialogs().showMessage(msg::NoDataToGraph);
        return false;
    }
    workspace.showGraph(*request);
    return true;
}
