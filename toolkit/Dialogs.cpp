#include "Dialogs.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "BackEnd.h"

namespace tk {
namespace {

DialogHooks& Hooks() {
    static DialogHooks hooks;
    return hooks;
}

bool IsExistingFolder(const std::string& utf8) {
    if (utf8.empty()) return false;
    // Through char8_t, so that Windows reads the text as UTF-8 and not in the ANSI code page.
    const std::filesystem::path path(std::u8string(utf8.begin(), utf8.end()));
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace

const DialogHooks& backend::CurrentDialogHooks() {
    return Hooks();
}

void SetDialogHooks(DialogHooks hooks) {
    Hooks() = std::move(hooks);
}

bool SelectDirectory(std::string_view caption, std::string_view root, std::string& directory,
                     unsigned flags, TWinControl* parent) {
    SelectDirectoryRequest request;
    request.caption = caption;
    request.root = root;
    if (IsExistingFolder(directory)) request.directory = directory;
    request.flags = flags;
    request.parent = parent;

    // A copy: the hook may replace the hooks while it runs.
    const auto hook = Hooks().selectDirectory;
    std::optional<std::string> chosen =
        hook ? hook(request) : backend::ShowSelectDirectory(request);
    if (!chosen) return false;
    directory = std::move(*chosen);
    return true;
}

}  // namespace tk
