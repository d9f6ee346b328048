// The user's own folder of an installed game: where it is, where the bundled sets are found, and
// the first-start copy that never overwrites or revives what the user changed and never leaves a
// half-copied set.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/kartola_home.h"
#include "tests/common/tk_test_files.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

TEST(UserFolder, TheXdgDataFolderWinsWhenAbsoluteElseHomeElseNone) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/x/data", "/home/eva", "/x/data/kartola"},
        {nullptr, "/home/eva", "/home/eva/.local/share/kartola"},
        {"", "/home/eva", "/home/eva/.local/share/kartola"},
        {"relative/data", "/home/eva", "/home/eva/.local/share/kartola"},
        {nullptr, nullptr, ""},
        {"", "not/absolute", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserSetsFolder(c.xdg, c.home), c.folder) << (c.xdg ? c.xdg : "(null)");
}

TEST(UserFolder, TheBundledSetsAreFoundFromTheInstalledProgramOnly) {
    ScopedWorkDir dir;
    const fs::path bin = fs::path(dir.path()) / "prefix/bin";
    MakeDir(bin.string());
    EXPECT_EQ(BundledSetsFolder((bin / "kartola").string()), "") << "nothing installed beside it";
    const fs::path sets = (bin / kBundledSetsFromBin).lexically_normal();
    MakeDir(sets.string());
    EXPECT_EQ(BundledSetsFolder((bin / "kartola").string()), sets.string());
    EXPECT_TRUE(sets.string().rfind(dir.path() + "/prefix/", 0) == 0) << sets;
}

class FirstStart : public ::testing::Test {
  protected:
    void SetUp() override {
        bundled_ = dir_.path() + "/bundled";
        user_ = dir_.path() + "/user/kartola";
        for (const char* set : {"DATA_ovocie", "DATA_tvary"}) {
            MakeDir(bundled_ + "/" + set);
            WriteFile(bundled_ + "/" + set + "/a.bmp", std::string(set) + " a");
            WriteFile(bundled_ + "/" + set + "/a.wav", std::string(set) + " sound");
        }
        MakeDir(bundled_ + "/hra");
        WriteFile(bundled_ + "/README", "not a set");
    }
    std::string Prepare() {
        problems_.clear();
        return PrepareUserFolder(bundled_, user_, &problems_);
    }
    // The user's folder: every entry with its contents or "/" for a folder, sorted, one per line.
    std::string Listing() {
        std::vector<std::string> lines;
        for (const auto& e : fs::recursive_directory_iterator(user_)) {
            const std::string rel = fs::relative(e.path(), user_).string();
            if (rel == ".bundled_sets") continue;
            lines.push_back(rel + (e.is_directory() ? "/" : "=" + ReadFile(e.path().string())));
        }
        std::sort(lines.begin(), lines.end());
        std::string all;
        for (const std::string& l : lines) all += l + "\n";
        return all;
    }

    ScopedWorkDir dir_;
    std::string bundled_, user_, problems_;
};

TEST_F(FirstStart, CopiesEachSetOnceAndKeepsWhatTheUserChangedOrDeleted) {
    EXPECT_EQ(Prepare(), user_ + "/hra");
    EXPECT_EQ(problems_, "");
    EXPECT_EQ(Listing(),
              "DATA_ovocie/\nDATA_ovocie/a.bmp=DATA_ovocie a\nDATA_ovocie/a.wav=DATA_ovocie sound\n"
              "DATA_tvary/\nDATA_tvary/a.bmp=DATA_tvary a\nDATA_tvary/a.wav=DATA_tvary sound\nhra/\n");

    // The user changes one set and deletes the other; a newer version brings a third set and a
    // changed picture; a folder of the user's own has the name of a bundled one.
    WriteFile(user_ + "/DATA_ovocie/a.bmp", "mine");
    fs::remove(user_ + "/DATA_ovocie/a.wav");
    fs::remove_all(user_ + "/DATA_tvary");
    WriteFile(bundled_ + "/DATA_ovocie/a.bmp", "newer");
    MakeDir(bundled_ + "/DATA_zvierata");
    WriteFile(bundled_ + "/DATA_zvierata/pes.bmp", "pes");
    MakeDir(bundled_ + "/data_vlastne");
    MakeDir(user_ + "/data_vlastne");
    WriteFile(user_ + "/data_vlastne/x.bmp", "own");
    EXPECT_EQ(Prepare(), user_ + "/hra");
    EXPECT_EQ(problems_, "");
    EXPECT_EQ(Listing(),
              "DATA_ovocie/\nDATA_ovocie/a.bmp=mine\nDATA_zvierata/\nDATA_zvierata/pes.bmp=pes\n"
              "data_vlastne/\ndata_vlastne/x.bmp=own\nhra/\n");
}

TEST_F(FirstStart, AFailedCopyLeavesNoHalfSetAndIsTriedAgain) {
    // The second file of the set cannot be read: the set never appears half copied.
    fs::create_symlink(bundled_ + "/gone.bmp", bundled_ + "/DATA_tvary/b.bmp");
    EXPECT_EQ(Prepare(), user_ + "/hra");
    EXPECT_NE(problems_.find("DATA_tvary"), std::string::npos) << problems_;
    EXPECT_EQ(Listing(),
              "DATA_ovocie/\nDATA_ovocie/a.bmp=DATA_ovocie a\nDATA_ovocie/a.wav=DATA_ovocie sound\nhra/\n");

    fs::remove(bundled_ + "/DATA_tvary/b.bmp");
    Prepare();
    EXPECT_EQ(problems_, "");
    EXPECT_TRUE(fs::exists(user_ + "/DATA_tvary/a.wav"));

    // A user's folder that cannot be made: no work folder, and a reason.
    WriteFile(dir_.path() + "/file", "x");
    EXPECT_EQ(PrepareUserFolder(bundled_, dir_.path() + "/file/kartola", &problems_), "");
    EXPECT_NE(problems_.find("cannot be made"), std::string::npos) << problems_;
}

}  // namespace
}  // namespace tk_test
