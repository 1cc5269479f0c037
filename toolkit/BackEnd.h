// What the shared toolkit code asks of the back end, and what it shares with it. Internal:
// consumers of the toolkit never include this.
#pragma once

#include <optional>
#include <string>

#include "Dialogs.h"

namespace tk {

class TForm;

namespace backend {

// The button values of the Windows message box.
inline constexpr int idOk = 1;

// The hooks set by SetDialogHooks (defined in the shared code).
const DialogHooks& CurrentDialogHooks();

// The real modal message box; returns the button pressed.
int ShowMessageBox(const MessageBoxRequest& request);

// The real modal folder dialog; the chosen folder, or nullopt when cancelled.
std::optional<std::string> ShowSelectDirectory(const SelectDirectoryRequest& request);

// Dispatches events until `mainForm` is closed.
void RunMessageLoop(TForm& mainForm);

}  // namespace backend
}  // namespace tk
