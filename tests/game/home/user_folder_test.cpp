// The user's own folder of an installed game: the first-start copy that never overwrites or
// revives what the user changed and never leaves a half-copied set.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "game/kartola_home.h"
#include "tests/common/tk_test_files.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// The folder's entries with their contents ("/" for a folder), sorted, one a line.
std::string listing(const std::string& folder) {
    std::vector<std::string> lines;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.path().filename() != ".bundled_sets")
            lines.push_back(fs::relative(e.path(), folder).string() +
                            (e.is_directory() ? "/" : "=" + ReadFile(e.path().string())));
    std::sort(lines.begin(), lines.end());
    std::string all;
    for (const std::string& l : lines) all += l + " ";
    return all;
}

TEST(UserFolder, EachSetIsCopiedOnceWholeAndWhatTheUserChangedOrDeletedStays) {
    ScopedWorkDir dir;
    const std::string bundled = dir.path() + "/bundled", user = dir.path() + "/user/kartola";
    for (const char* set : {"DATA_ovocie", "DATA_tvary", "hra"}) {
        MakeDir(bundled + "/" + set);
        WriteFile(bundled + "/" + set + "/a.bmp", set);
    }
    // The second set cannot be read whole the first time.
    fs::create_symlink(bundled + "/gone.bmp", bundled + "/DATA_tvary/b.bmp");
    std::string problems;
    EXPECT_EQ(PrepareUserFolder(bundled, user, &problems), user + "/hra");
    EXPECT_NE(problems.find("DATA_tvary"), std::string::npos) << problems;
    EXPECT_EQ(listing(user), "DATA_ovocie/ DATA_ovocie/a.bmp=DATA_ovocie hra/ ");

    // The user changes the first set; a newer version changes it too and brings a set whose name
    // a folder of the user's already has. The failed set is copied now.
    fs::remove(bundled + "/DATA_tvary/b.bmp");
    WriteFile(user + "/DATA_ovocie/a.bmp", "mine");
    WriteFile(bundled + "/DATA_ovocie/a.bmp", "newer");
    MakeDir(bundled + "/data_vlastne");
    MakeDir(user + "/data_vlastne");
    problems.clear();
    PrepareUserFolder(bundled, user, &problems);
    EXPECT_EQ(problems, "");
    EXPECT_EQ(
        listing(user),
        "DATA_ovocie/ DATA_ovocie/a.bmp=mine DATA_tvary/ DATA_tvary/a.bmp=DATA_tvary data_vlastne/ hra/ ");

    // A deleted set stays deleted; a folder that cannot be made gives no work folder and a reason.
    fs::remove_all(user + "/DATA_tvary");
    PrepareUserFolder(bundled, user, &problems);
    EXPECT_FALSE(fs::exists(user + "/DATA_tvary"));
    EXPECT_EQ(PrepareUserFolder(bundled, user + "/DATA_ovocie/a.bmp/x", &problems), "");
    EXPECT_NE(problems.find("cannot be made"), std::string::npos) << problems;
}

// The list of copied sets holds a few names: a file far larger (a sparse gigabyte) or a FIFO in its
// place is read as no list, without waiting and within a few kilobytes of memory, and the list
// written back holds only the sets it names.
TEST(UserFolder, AListOfCopiedSetsThatIsNoListCountsAsEmpty) {
    ScopedWorkDir dir;
    const std::string bundled = dir.path() + "/bundled", user = dir.path() + "/user";
    MakeDir(bundled + "/DATA_a");
    WriteFile(bundled + "/DATA_a/a.bmp", "a");
    MakeDir(user);
    WriteFile(user + "/.bundled_sets", "DATA_a\n");
    fs::resize_file(user + "/.bundled_sets", std::uintmax_t{1} << 30);
    for (const char* kind : {"file too large", "not a regular file"}) {
        std::string problems;
        EXPECT_EQ(PrepareUserFolder(bundled, user, &problems), user + "/hra");
        EXPECT_NE(problems.find(".bundled_sets is ignored: " + std::string(kind)), std::string::npos)
            << problems;
        EXPECT_EQ(ReadFile(user + "/.bundled_sets"), "DATA_a\n");
        EXPECT_EQ(listing(user), "DATA_a/ DATA_a/a.bmp=a hra/ ");
        fs::remove(user + "/.bundled_sets");
        ASSERT_EQ(::mkfifo((user + "/.bundled_sets").c_str(), 0644), 0);
    }
}

}  // namespace
}  // namespace tk_test
