// The support layer: the log file, bounded string copies, the pointer array, file
// listings and name helpers.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_run.h"
#include "tests/common/tk_test_surface.h"

using tk_test::Logged;
using tk_test::MakeDir;
using tk_test::Nums;
using tk_test::ReadFile;
using tk_test::WriteFile;
using Names = std::vector<std::string>;

namespace {

// Each test starts a fresh run in its own folder, with the log on and not yet reset.
class Support : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
    }
    tk_test::ScopedWorkDir dir;
};

class LogTest : public Support {
  protected:
    void SetUp() override {
        Support::SetUp();
        WriteFile("tk_LOG.txt", "old run\n");
    }
};

TEST_F(LogTest, FirstLineOfARunReplacesTheOldFileUnlessSwitchedOffOrForced) {
    // Switched off, nothing is written and the previous run stays.
    tk_LOG_SetONOFF(0);
    tk_LOG_Zapis("lost");
    tk_LOG_Reset("lost too");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "old run\n");
    EXPECT_FALSE(tk_LOG_reset_done);
    // A forced write ignores the switch, starts afresh only when told, and sets no flag.
    tk_LOG_Zapis_F("y", 1);
    tk_LOG_Zapis_F("y2", 0);
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\ny\ny2\n");
    EXPECT_FALSE(tk_LOG_reset_done);
    // The first ordinary line of the run starts the file with the separator.
    tk_LOG_SetONOFF(1);
    tk_LOG_Zapis("x");
    tk_LOG_Zapis("z");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\nx\nz\n");
    EXPECT_TRUE(tk_LOG_reset_done);
}

TEST_F(LogTest, TheSixOverloadsFormatTheirLines) {
    _tk_LOG_("TK_TEST_w", 12, "TSKW ERROR: ", "abc");
    _tk_LOG_("M", 1, "plain");
    _tk_LOG_("M", 2, "one", 7);
    _tk_LOG_("M", 3, "two", -1, 4);
    _tk_LOG_("M", 4, "three", 1, 2, 3);
    _tk_LOG_("M", 5, "subor:", "pes.bmp", 9);
    EXPECT_EQ(ReadFile("tk_LOG.txt"),
              "===========\nTK_TEST_w(12) : TSKW ERROR:  [abc]\nM(1) : plain\nM(2) : one [7]\n"
              "M(3) : two [-1] [4]\nM(4) : three [1] [2] [3]\nM(5) : subor: [pes.bmp] [9]\n");
}

TEST_F(LogTest, AnUnwritableFileIsSkipped) {
    std::remove("tk_LOG.txt");
    MakeDir("tk_LOG.txt");  // a folder where the file should be
    tk_LOG_reset_done = false;
    tk_LOG_Zapis("nowhere");
    _tk_LOG_("M", 1, "nowhere", 1);
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "");
}

// The log replaces what stands in its place instead of writing through it: the file a link
// names, or another name of the same file, keeps its bytes; a FIFO is never waited on nor
// written, and standard error hears once that the log is given up.
TEST_F(LogTest, TheLogIsAlwaysARegularFileOfItsOwn) {
    namespace fs = std::filesystem;
    WriteFile("mine.txt", "my own text\n");
    for (const char* link : {"symbolic", "dangling", "hard"}) {
        std::remove("tk_LOG.txt");
        if (std::strcmp(link, "symbolic") == 0) fs::create_symlink("mine.txt", "tk_LOG.txt");
        if (std::strcmp(link, "dangling") == 0) fs::create_symlink("made.txt", "tk_LOG.txt");
        if (std::strcmp(link, "hard") == 0) fs::create_hard_link("mine.txt", "tk_LOG.txt");
        tk_LOG_reset_done = false;
        tk_LOG_Zapis(link);
        EXPECT_EQ(ReadFile("mine.txt"), "my own text\n") << link;
        EXPECT_FALSE(fs::exists("made.txt")) << link;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("tk_LOG.txt"))) << link;
        EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\n" + std::string(link) + "\n");
    }
    // A FIFO with a reader that may go away.
    std::remove("tk_LOG.txt");
    ASSERT_EQ(::mkfifo("tk_LOG.txt", 0644), 0);
    const int reader = ::open("tk_LOG.txt", O_RDONLY | O_NONBLOCK);
    ::testing::internal::CaptureStderr();
    tk_LOG_reset_done = false;
    tk_LOG_Zapis("first");
    _tk_LOG_("M", 1, "second", 2);
    const std::string said = ::testing::internal::GetCapturedStderr();
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_EQ(tk_test::CountMatches(said, "tk_LOG.txt: the log cannot be written"), 1) << said;
    struct sigaction pipe {};
    ::sigaction(SIGPIPE, nullptr, &pipe);
    EXPECT_EQ(pipe.sa_handler, SIG_IGN);
    // A new run tries the file again.
    std::remove("tk_LOG.txt");
    tk_LOG_Reset("again");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "again\n");
}

// A target named up to the file system's limit still gets its temporary file beside it.
TEST(AtomicFileTest, ATargetOfTheLongestNameIsWrittenWhole) {
    tk_test::ScopedWorkDir dir;
    for (const std::string& target : {std::string(255, 'a'), std::string(244, 'x') + "čč.thm"}) {
        tk_AtomicFile file(target.c_str());
        EXPECT_TRUE(file.Write("bytes", 5) && file.Commit()) << file.Error();
        EXPECT_EQ(ReadFile(target), "bytes");
        EXPECT_EQ(tk_test::FilesIn("."), target);
        std::remove(target.c_str());
    }
}

TEST(StringTest, BoundedCopyAlwaysTerminatesAndCutsWholeCharacters) {
    char field[8];
    std::string got;
    // Seven bytes of "ččččč" would end inside the fourth "č".
    for (const char* from : {"hruška", "ččččč", "abcdefghij", static_cast<const char*>(nullptr)}) {
        std::memset(field, 'x', sizeof(field));
        got += std::to_string(tk_StrCopy(field, from)) + field + "|";
    }
    EXPECT_EQ(got + std::to_string(tk_StrCopy(field, 0, "abc")), "7hruška|6ččč|7abcdefg|0|0");
    char* copy = tk_StrDup("pes");
    EXPECT_TRUE(std::string(copy) == "pes" && tk_StrDup(nullptr) == nullptr);
    delete[] copy;
}

// A stand-in element: its first field is the class id, as on every screen element.
struct FakeElement {
    int class_id;
};
std::vector<int> g_destroyed;

bool destroyFake(void* p) {
    auto e = static_cast<FakeElement*>(p);
    g_destroyed.push_back(e->class_id);
    delete e;
    return true;
}

class CarreTest : public Support {
  protected:
    void SetUp() override {
        Support::SetUp();
        g_destroyed.clear();
    }
    char letter[5] = {'A', 'B', 'C', 'D', 'E'};

    void fill(tk_CARRE& arr, int n = 5) {
        for (int i = 0; i < n; ++i) arr.Add(&letter[i]);
    }
    static std::string letters(const tk_CARRE& arr) {
        std::string s;
        for (int i = 0; i < arr.count; ++i) s += arr[i] ? *static_cast<char*>(arr[i]) : '-';
        return s;
    }
};

TEST_F(CarreTest, GrowsByDoublingFromFourSlotsWithClearedSlots) {
    tk_CARRE doubling;
    std::vector<int> sizes;
    for (int i = 0; i < 9; ++i) {
        doubling.Add(&letter[0]);
        sizes.push_back(doubling.akt_alloc);
    }
    EXPECT_EQ(sizes, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 16}));
    EXPECT_EQ(doubling.count, 9);
    // The new slots are cleared.
    EXPECT_TRUE(std::all_of(doubling.items + 9, doubling.items + 16, [](void* p) { return !p; }));
}

TEST_F(CarreTest, RotationsAndShiftsMoveSlots) {
    const struct {
        bool left;
        int a, b;
        const char* after;
    } rotations[] = {
        {true, 1, 3, "ACDBE"}, {false, 1, 3, "ADBCE"}, {true, 3, 4, "ABCED"}, {false, 0, 1, "BACDE"}};
    for (const auto& r : rotations) {
        tk_CARRE arr;
        fill(arr);
        r.left ? arr.ROLL(r.a, r.b) : arr.ROLR(r.a, r.b);
        EXPECT_EQ(letters(arr), r.after) << r.left << r.a << r.b;
    }
    // A blanked slot is shifted out; GET and SET read and write in range, and a negative index gives
    // nothing (one past the end is the row list's lookup test).
    tk_CARRE arr;
    fill(arr, 3);
    arr.Blenduj(1);
    arr.ShiftUp(1);
    arr.SET(1, &letter[4]);
    EXPECT_EQ(
        letters(arr) + Nums(arr.count, arr.items[2] == nullptr, arr.GET(0) == &letter[0], arr[-1] == nullptr),
        "AE2,1,1,1");
}

TEST_F(CarreTest, DetachAllForgetsInModeTwoAndDestroysThroughTheHookInModeOne) {
    tk_CARRE arr;
    fill(arr);
    arr.DetachAll();
    // Not owned: the slots are left as they were.
    EXPECT_EQ(Nums(arr.count, arr.akt_alloc, arr.items[0] == &letter[0]), "0,8,1");

    {
        tk_CARRE owning;
        owning.mode = 1;
        owning.destroyer = destroyFake;
        owning.Add(new FakeElement{2});
        owning.Add(nullptr);
        owning.Add(new FakeElement{14});
        owning.DetachAll();
        EXPECT_TRUE(owning.count == 0 && owning.items[0] == nullptr);
        owning.Add(new FakeElement{7});
    }  // the destructor detaches in mode 1
    EXPECT_EQ(g_destroyed, (std::vector<int>{2, 14, 7}));
}

class FsiTest : public Support {
  protected:
    void SetUp() override {
        Support::SetUp();
        // sady/ holds two card-set folders, a plain folder, pictures and the program's own sheets.
        for (const char* d : {"sady/DATA1", "sady/data_zvierata", "sady/ine", "sady/hra"}) MakeDir(d);
        for (const char* f :
             {"sady/DATA_subor.txt", "sady/hra/pes.bmp", "sady/hra/Rezia.bmp", "sady/hra/rezia_dll.bmp",
              "sady/hra/sprite_plane.BMP", "sady/hra/Kocka.BMP", "sady/hra/pes.wav"})
            WriteFile(f, "x");
    }
    static Names list(const char* folder, const char* mask, int kind, bool full) {
        tk_CARRE arr;
        EXPECT_EQ(tk_FSI_Zisti_SubAdr(folder, mask, kind, full, &arr), 0);
        Names out;
        for (int i = 0; i < arr.count; ++i) out.emplace_back(static_cast<char*>(arr[i]));
        arr.UVOLNI_char();
        return out;
    }
};

TEST_F(FsiTest, NameHelpersCutPathsApartAndStayInBounds) {
    char out[64];
    auto name = [&](const char* p) { return tk_FSI_Vystrihni_meno(p, out), std::string(out) + "|"; };
    auto last = [&](const char* p) { return tk_FSI_Odstrihni_meno(p, out), std::string(out) + "|"; };
    auto thm = [&](const char* p) { return tk_FSI_Zmen_priponu(p, "thm", out), std::string(out) + "|"; };
    // The dots of ".." are not an extension; a name without folder or dot is taken whole.
    EXPECT_EQ(name("../DATA1/pes.thm") + name("..\\DATA1\\a.b.thm") + name("pes.bmp") + name("../DATA1/pes") +
                  name(""),
              "pes|a.b|pes|pes||");
    EXPECT_EQ(last("../DATA1") + last("..\\DATA1\\hruška.bmp") + last("pes.bmp"),
              "DATA1|hruška.bmp|pes.bmp|");
    EXPECT_EQ(thm("../DATA1/pes.bmp") + thm("..\\DATA1\\pes.bmp") + thm("../DATA1/pes"),
              "../DATA1/pes.thm|..\\DATA1\\pes.thm|../DATA1/pes.thm|");
    // Small fields stay bounded; three bytes would split "č" in two.
    char small[6], tiny[4];
    tk_FSI_Zmen_priponu("../DATA1/čerešňa.bmp", "thm", small);
    tk_FSI_Vystrihni_meno("../ščer.bmp", tiny);
    EXPECT_EQ(std::string(small) + "|" + tiny, "../DA|š");
}

TEST_F(FsiTest, ListingTakesFilesOrFoldersByTheListingRule) {
    // Folders by mask, sorted, with or without their path, are the folder list's test; here files.
    EXPECT_EQ(list("sady", "DATA*", 0, false), (Names{"DATA_subor.txt"}));
    // The program's own sheets are never listed, but the comparison is exact.
    EXPECT_EQ(list("sady/hra", "*.bmp", 0, false), (Names{"Kocka.BMP", "pes.bmp", "Rezia.bmp"}));
    EXPECT_EQ(list("chyba", "*", 0, false), Names{});

    tk_CARRE arr;
    EXPECT_EQ(tk_FSI_Zisti_SubAdr("", "*", 0, false, &arr), -1);
    EXPECT_EQ(arr.count, 0);
}

TEST_F(FsiTest, ArrayListingStopsAtItsCapacity) {
    char* slots[2] = {};
    int last = 42;
    std::string results;
    for (auto [mask, kind] : {std::pair{"*.none", 0}, {"*", 1}}) {
        const int r = tk_FSI_Zisti_SubAdr_Pole("sady", mask, kind, false, slots, 2, &last);
        results += Nums(r, last) + " ";
    }
    EXPECT_EQ(results + slots[0] + "," + slots[1], "0,-1 0,1 DATA1,data_zvierata");
    delete[] slots[0];
    delete[] slots[1];
    EXPECT_TRUE(Logged("TSKW ERROR:  [tk_FSI_Zisti_SubAdr_Pole - pole je plne]"));
}

TEST_F(FsiTest, ListFolderWritesTheTreeToTheLog) {
    EXPECT_EQ(tk_FSI_ListFolder("sady"), 0);
    EXPECT_EQ(tk_FSI_ListFolder("chyba"), -1);
    // The subfolder is walked where it is met, its files in order; then the missing folder's error.
    const std::string log = ReadFile("tk_LOG.txt");
    std::size_t at = 0;
    for (const char* line :
         {") : -folder [hra]\n", ") :  ListFolder [sady/hra]\n", ") :   -file [Kocka.BMP]\n",
          ") :   -file [pes.bmp]\n", ") :   -file [pes.wav]\n", ") : -folder [ine]\n",
          "[Problem pri ListFolder - FindFirstFile]"}) {
        at = log.find(line, at);
        EXPECT_NE(at, std::string::npos) << line;
    }
}

TEST_F(FsiTest, SynchroCopiesTheTreeOverwritesFilesAndSkipsFoldersThatExist) {
    MakeDir("sady/DATA1/vnutri");
    WriteFile("sady/DATA1/vnutri/a.bmp", "A");
    WriteFile("sady/DATA1/b.bmp", "B");
    MakeDir("ciel/vnutri");
    WriteFile("ciel/b.bmp", "stare");
    MakeDir("ciel2");
    for (auto [from, to, result] :
         {std::tuple{"sady/DATA1", "ciel", 0}, {"sady/DATA1", "ciel2", 0}, {"chyba", "ciel2", -1}})
        EXPECT_EQ(tk_FSI_SynchroFolders(from, to), result) << from << " " << to;
    EXPECT_TRUE(ReadFile("ciel/b.bmp") == "B" && !tk_FSI_Existuje_sub("ciel/vnutri/a.bmp"));
    EXPECT_EQ(ReadFile("ciel2/vnutri/a.bmp"), "A");
    EXPECT_TRUE(Logged("[Problem pri CreateDirectory]"));
}

TEST_F(FsiTest, FilesAndFoldersExist) {
    EXPECT_TRUE(tk_FSI_Existuje_sub("sady/hra/pes.bmp") && !tk_FSI_Existuje_sub("sady/hra/mys.bmp"));
    EXPECT_TRUE(tk_FSI_ExistsFolder("sady/DATA1") && tk_FSI_ExistsFolder("sady/DATA1/") &&
                !tk_FSI_ExistsFolder("sady/DATA2"));
}

}  // namespace
