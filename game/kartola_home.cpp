#include "game/kartola_home.h"

#include <strings.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_FSI_Kinds.h"
#include "platform/kernel/regular_file.h"

namespace fs = std::filesystem;

namespace {

// The bundled sets already copied once, one name a line, in the user's folder.
constexpr const char* kCopiedList = ".bundled_sets";

bool isAbsolute(const char* path) {
    return path && path[0] == '/';
}

bool isSetName(const std::string& name) {
    return strncasecmp(name.c_str(), "DATA", 4) == 0;
}

// The list is a few names; a larger file (or a FIFO or device in its place) is no list of ours and
// counts as empty, and the list written back holds only the names it then lists.
constexpr std::uint64_t kCopiedListMaxBytes = 8 * 1024;

std::set<std::string> readCopied(const fs::path& user, std::string* problems) {
    std::set<std::string> names;
    const std::string path = (user / kCopiedList).string();
    std::vector<std::uint8_t> bytes;
    const char* why = nullptr;
    if (!tkp::kernel::ReadRegularFile(path.c_str(), kCopiedListMaxBytes, &bytes, nullptr, &why)) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(path, ec)))
            *problems += "the list of copied card sets " + path + " is ignored: " + (why ? why : "") + "\n";
        return names;
    }
    const std::string text(bytes.begin(), bytes.end());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        if (end > at) names.insert(text.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

bool writeCopied(const fs::path& user, const std::set<std::string>& names, std::string* problems) {
    std::string text;
    for (const std::string& n : names) text += n + "\n";
    tk_AtomicFile file((user / kCopiedList).c_str());
    if (file.Write(text.data(), text.size()) && file.Commit()) return true;
    *problems += std::string("the list of copied card sets cannot be written: ") + file.Error() + "\n";
    return false;
}

// The copy is the user's: folders and files are made writable by their owner, so that thumbnails
// can be written beside the pictures even when the installed files were read-only.
void makeOwnerWritable(const fs::path& folder, std::error_code& ec) {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        ec);
        if (ec) return;
    }
}

// The set copied whole to a hidden folder beside its place, then renamed into place.
bool copySet(const fs::path& from, const fs::path& to, std::string* problems) {
    const fs::path partial = to.parent_path() / ("." + to.filename().string() + ".partial");
    std::error_code ec;
    fs::remove_all(partial, ec);
    ec.clear();
    fs::copy(from, partial, fs::copy_options::recursive, ec);
    if (!ec) makeOwnerWritable(partial, ec);
    if (!ec) fs::rename(partial, to, ec);
    if (!ec) return true;
    *problems +=
        "the card set " + from.string() + " cannot be copied to " + to.string() + ": " + ec.message() + "\n";
    fs::remove_all(partial, ec);
    return false;
}

}  // namespace

std::string BundledSetsFolder(const std::string& executable) {
    std::error_code ec;
    const fs::path folder = (fs::path(executable).parent_path() / kBundledSetsFromBin).lexically_normal();
    return fs::is_directory(folder, ec) ? folder.string() : std::string();
}

std::string UserSetsFolder(const char* xdgDataHome, const char* home) {
    if (isAbsolute(xdgDataHome)) return (fs::path(xdgDataHome) / kUserFolderName).string();
    if (isAbsolute(home)) return (fs::path(home) / ".local/share" / kUserFolderName).string();
    return std::string();
}

std::string PrepareUserFolder(const std::string& bundled, const std::string& user, std::string* problems) {
    std::error_code ec;
    const fs::path work = fs::path(user) / kWorkFolderName;
    fs::create_directories(work, ec);
    if (ec || !fs::is_directory(work)) {
        *problems += "the folder " + work.string() + " cannot be made: " + ec.message() + "\n";
        return std::string();
    }
    std::set<std::string> copied = readCopied(user, problems);
    const std::size_t before = copied.size();
    for (auto it = fs::directory_iterator(bundled, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (!isSetName(name) || !it->is_directory(kind) || copied.count(name)) continue;
        const fs::path target = fs::path(user) / name;
        if (fs::exists(target) || copySet(it->path(), target, problems)) copied.insert(name);
    }
    if (ec) *problems += "the bundled card sets in " + bundled + " cannot be listed: " + ec.message() + "\n";
    if (copied.size() != before) writeCopied(user, copied, problems);
    return work.string();
}

std::string KartolaAbout(bool installed, const std::string& user) {
    std::string text = "Kartola: a picture and name matching game. Drag each card onto its partner.\n\n";
    const std::string kinds = "\n\nPictures: " + tk_FSI_PictureKindsText() +
                              ".\nSounds: " + tk_FSI_SoundKindsText() + " (a picture's sound has its name).";
    if (!installed)
        return text + "Card sets are the folders named DATA... in the parent of the working folder." + kinds;
    if (user.empty())
        return text + "Neither XDG_DATA_HOME nor HOME names a folder for your card sets." + kinds;
    return text + "Your card sets are the folders named DATA... in\n  " + user +
           "\nAdd a set by putting such a folder of pictures there (each picture may have a sound of\n"
           "the same name). The bundled sets are copied there on the first start; the game plays\n"
           "from its folder " +
           kWorkFolderName + " inside, where it writes its log and settings." + kinds;
}
