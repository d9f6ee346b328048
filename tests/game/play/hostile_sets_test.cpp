// Card-set folders that fight back, each chosen from the menu while the game runs: the game loads
// what it can, logs what it cannot, leaves no temporary file behind and goes on to the end.

#include <functional>

#include "tests/common/game/kartola_world.h"
#include "tests/common/sound/tk_test_wav.h"
#include "tests/common/tk_test_bmp.h"
#include "tests/common/tk_test_run.h"
#include "tests/common/tk_test_unwritable.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// Makes a picture of each name in the set's folder; a name ending in '/' is a folder.
std::function<void(const std::string&)> made(const std::vector<std::string>& names) {
    return [names](const std::string& s) {
        for (const std::string& n : names)
            n.back() == '/' ? MakeDir(s + "/" + n) : WriteFile(s + "/" + n, GradientBmp());
    };
}

// The number of log lines matching the pattern since the last set was chosen.
int linesSinceLoad(const std::string& pattern) {
    const std::string log = ReadFile("tk_LOG.txt");
    const std::size_t from = log.rfind("Nacitavam DATA:");
    return CountMatches(log.substr(from == std::string::npos ? 0 : from), pattern);
}

struct Hostile {
    std::string folder;  // beside the working folder
    std::function<void(const std::string&)> make;
    // Between the listing of the sets (when the menu opens) and the choice from it; may return a
    // step to run once the set is loaded (to undo what it did).
    std::function<std::function<void()>(const std::string&)> between;
    std::string expected;  // pairs, then what the case adds
    std::function<std::string(GameApp&)> look;
};

void PrintTo(const Hostile& c, std::ostream* os) {
    *os << c.folder;
}

class HostileSets : public GameWorld, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostileSets, LoadWhatTheyCanLogTheRestAndTheGameGoesOn) {
    const Hostile& c = GetParam();
    const std::string set = dir_.path() + "/" + c.folder;
    MakeDir(set);
    if (c.make) c.make(set);
    GameApp app;
    std::function<void()> undo;
    std::string got;
    // The menu reads the sets afresh when it opens: the folder changes once it is open.
    Steps steps = {kIdle, [&](GameApp& a) { ClickOn(a.m_btnMenu); },
                   [&](GameApp&) {
                       if (c.between) undo = c.between(set);
                   }};
    ChooseSet(steps, 100);
    // Frames are drawn with the set on the table before the run ends.
    steps.insert(steps.end(), {[&](GameApp& a) {
                                   if (undo) undo();
                                   got = Nums(REG_TEXT.count, REG_KARTY.count == 2 * REG_TEXT.count,
                                              RemoveTemporaries(set));
                                   if (c.look) got += " " + c.look(a);
                               },
                               kIdle, kIdle});
    EXPECT_EQ(Run(app, "1280 1024\n3 36", steps), 0);
    EXPECT_EQ(got, c.expected);
}

std::string cardNames() {
    std::string s;
    for (int i = 0; i < REG_TEXT.count; ++i) s += std::string(s.empty() ? "" : "|") + NameOf(i)->text;
    return s;
}

const std::string kSlovak = "áäčďéíĺľňóôŕšťúýž ÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ";

INSTANTIATE_TEST_SUITE_P(
    Folders, HostileSets,
    ::testing::Values(
        // A read-only folder, no thumbnail can be written beside the pictures: the cards come from the
        // user's cache (or from memory), one line per picture, nothing half written.
        Hostile{"DATA_readonly", made({"a.bmp", "b.bmp"}),
                [](const std::string& s) {
                    for (const char* thm : {"/a.thm", "/b.thm"}) fs::remove(s + thm);
                    auto lock = std::make_shared<Unwritable>(s);
                    EXPECT_FALSE(Writable(s));
                    return std::function<void()>([lock] { lock->Undo(); });
                },
                "2,1,0 2", [](GameApp&) { return Nums(linesSinceLoad("DATA_readonly/[ab]\\.thm")); }},
        // Gone between the listing and the choice: an empty table.
        Hostile{"DATA_removed", made({"a.bmp"}),
                [](const std::string& s) {
                    fs::remove_all(s);
                    return std::function<void()>();
                },
                "0,1,0 1", [](GameApp&) { return Nums(linesSinceLoad("folder is gone")); }},
        // A folder named like a picture, a thumbnail or a sound is none of them.
        Hostile{"DATA_folders", made({"x.bmp/", "y.thm/", "z.bmp", "z.wav/"}), nullptr, "1,1,0 z 0",
                [](GameApp&) { return cardNames() + " " + Nums(SoundOf(0) != nullptr); }},
        // Links that lead round in a circle, and a set folder that is such a link.
        Hostile{"DATA_loops",
                [](const std::string& s) {
                    fs::create_symlink("loop.bmp", s + "/loop.bmp");
                    fs::create_symlink(".", s + "/self");
                    fs::create_symlink("c.thm", s + "/c.thm");
                    WriteFile(s + "/a.bmp", GradientBmp());
                    fs::create_symlink("DATA_zloop", s + "/../DATA_zloop");
                },
                nullptr, "2,1,0 a|c", [](GameApp&) { return cardNames(); }},
        // Damaged thumbnails are named in the log and made again from their pictures (at the deal at
        // start: the second deal finds them sound).
        Hostile{
            "DATA_thumbnails",
            [](const std::string& s) {
                WriteFile(s + "/empty.thm", "");
                WriteFile(s + "/cut.thm", GradientBmp(150, 100).substr(0, 3000));
                WriteFile(s + "/sound.thm", wav_test::Wav(1, 8000, 8, "abcd"));
                for (const char* p : {"/empty.bmp", "/cut.bmp", "/sound.bmp"})
                    WriteFile(s + p, GradientBmp());
            },
            nullptr, "3,1,0 3",
            [](GameApp&) { return Nums(CountMatches(ReadFile("tk_LOG.txt"), "thumbnail cannot be used")); }},
        // A sound file of gigabytes is refused before it is read, and its pair stays silent.
        Hostile{"DATA_bigsound",
                [](const std::string& s) {
                    WriteFile(s + "/huge.bmp", GradientBmp());
                    WriteFile(s + "/huge.wav", wav_test::Wav(1, 8000, 8, "abcd"));
                    fs::resize_file(s + "/huge.wav", 3ull << 30);
                },
                nullptr, "1,1,0 0,1",
                [](GameApp&) {
                    return Nums(SoundOf(0)->m_lpDSB != nullptr, linesSinceLoad("huge.wav.: subor je vacsi"));
                }},
        // Every Slovak letter, spaces and bytes that are no UTF-8, in the set's and the pictures' names.
        Hostile{"DATA " + kSlovak + " \xff", made({kSlovak + ".bmp", "a \xc3\x28 b.bmp", "\xff\xfe.bmp"}),
                nullptr, "3,1,0 a \xc3\x28 b|" + kSlovak + "|\xff\xfe", [](GameApp&) { return cardNames(); }},
        // Five hundred pictures: every one a pair, scattered with the rest.
        Hostile{"DATA_many",
                [](const std::string& s) {
                    const std::string small = GradientBmp(4, 3);
                    for (int i = 0; i < 500; ++i)
                        WriteFile(s + "/p" + std::to_string(1000 + i) + ".bmp", small);
                },
                nullptr, "500,1,0", nullptr},
        // Nothing in it: an empty table that is never won.
        Hostile{"DATA_empty", nullptr, nullptr, "0,1,0 0",
                [](GameApp& a) { return Nums(a.m_lblSuper->visible); }}),
    [](const ::testing::TestParamInfo<Hostile>& param) { return "case" + std::to_string(param.index); });

}  // namespace
}  // namespace tk_test
