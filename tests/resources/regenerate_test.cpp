// The committed pictures and program sounds are exactly what the tools make: regenerated into a
// temporary folder, every file is byte-identical. (The spoken names need espeak-ng and are
// checked for their format only.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/common/tk_test_files.h"
#include "tests/resources/resource_files.h"

namespace tk_res_test {
namespace {

namespace fs = std::filesystem;

int RunGenerator(const std::string& what, const std::string& where) {
    std::string cmd = std::string("\"") + TK_RESGEN + "\" " + what + " \"" + where + "\"";
    return std::system(cmd.c_str());
}

TEST(Regenerate, ProgramResourcesAreByteIdentical) {
    tk_test::ScopedWorkDir dir;
    ASSERT_EQ(RunGenerator("resources", dir.path()), 0);
    int compared = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        std::string name = e.path().filename().string();
        SCOPED_TRACE(name);
        EXPECT_TRUE(tk_test::ReadFile(e.path().string()) == tk_test::ReadFile(RepoPath("resources/" + name)));
        ++compared;
    }
    EXPECT_EQ(compared, 8);  // three sheets, the icon and four sounds
}

TEST(Regenerate, CardSetPicturesAreByteIdentical) {
    tk_test::ScopedWorkDir dir;
    ASSERT_EQ(RunGenerator("cardsets", dir.path()), 0);
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir.path())) {
        if (!e.is_regular_file()) continue;
        std::string rel = fs::relative(e.path(), dir.path()).string();
        SCOPED_TRACE(rel);
        ASSERT_TRUE(fs::exists(RepoPath("cardsets/" + rel)));
        EXPECT_TRUE(tk_test::ReadFile(e.path().string()) == tk_test::ReadFile(RepoPath("cardsets/" + rel)));
        ++compared;
    }
    // And nothing committed is missing from what the tools make (sounds apart).
    int committed = 0;
    for (const std::string& folder : CardSetFolders())
        committed += static_cast<int>(FilesIn(folder, ".bmp").size() + FilesIn(folder, ".faz").size());
    EXPECT_EQ(compared, committed);
}

}  // namespace
}  // namespace tk_res_test
