#pragma once
// How a worksheet's "Show Graph" opens the graph window.
#include <optional>

#include "GraphTable.h"

class Workspace;

// With no graph requested, or one of no bars (nothing calculated), the message "No data to
// graph. Calculate."; otherwise opens the graph window drawing it in the worksheet's place.
// True when it opened.
bool showGraphFrom(Workspace& workspace, const std::optional<WorksheetGraph>& request);
