// The modal folder dialog, and hooks that let tests answer dialogs and message boxes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

class TWinControl;

// Folder dialog flags; the values are those of the Windows shell's folder browser.
inline constexpr unsigned bifReturnOnlyFsDirs = 0x01;
inline constexpr unsigned bifNewDialogStyle = 0x40;

// Shows the modal folder dialog owned by `parent`'s window: `caption` above a tree of
// folders only, from `root` down (empty: the whole file system), with a button that makes
// a new folder; `directory` is pre-selected when it is an existing folder, and nothing is
// otherwise. On OK returns true with the chosen folder's full path in `directory`, without
// a trailing separator except at a root; on Cancel, Esc or the close box returns false and
// leaves `directory` as it was.
bool SelectDirectory(std::string_view caption, std::string_view root, std::string& directory,
                     unsigned flags, TWinControl* parent);

struct SelectDirectoryRequest {
    std::string caption;
    std::string root;
    std::string directory;  // the initial folder, empty if it was no existing folder
    unsigned flags = 0;
    TWinControl* parent = nullptr;
};

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

// With a hook set, the dialog is not shown: the hook answers in its place (the chosen
// folder, or nullopt for Cancel; the button pressed). Empty hooks show the real dialogs.
struct DialogHooks {
    std::function<std::optional<std::string>(const SelectDirectoryRequest&)> selectDirectory;
    std::function<int(const MessageBoxRequest&)> messageBox;
};

void SetDialogHooks(DialogHooks hooks);

}  // namespace tk
