#include "command_file.h"

#include "profile_reader.h"

namespace qz {
namespace {

const ProfileReader& CommandReader() {
    static const ProfileReader reader = [] {
        std::vector<std::string_view> keys;
        for (const CommandSlot& slot : Commands()) keys.push_back(slot.key);
        return ProfileReader("Command", std::move(keys));
    }();
    return reader;
}

}  // namespace

CommandValues ReadCommandFile(const std::filesystem::path& path) {
    CommandValues values;
    CommandReader().Read(path, values);
    return values;
}

}  // namespace qz
