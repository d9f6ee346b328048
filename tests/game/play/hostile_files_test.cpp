// Small files that ask for far more than they hold, and files that never answer, in a card set the
// game deals at start and again from the menu: the game deals what it can within a bounded memory,
// names every refused file in the log and changes none of the user's files.
#include <sndfile.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "tests/common/game/kartola_world.h"
#include "tests/common/sound/tk_test_wav.h"
#include "tests/common/tk_test_bmp.h"
#include "tests/common/tk_test_media.h"
#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// The most this test process may ever have held, in MB (its peak resident size).
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory in quarantine and shadows every byte, so the process's peak
// is several times the program's own; the bound still catches an allocation of gigabytes.
constexpr long kMemoryBoundMb = 1000;
#else
constexpr long kMemoryBoundMb = 200;
#endif

long peakResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) / 1024;
    return -1;
}

void fifo(const std::string& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
}

bool isFifo(const std::string& path) {
    std::error_code ec;
    return fs::is_fifo(fs::symlink_status(path, ec));
}

class HostileFiles : public GameWorld {
  protected:
    std::string set() const { return dir_.path() + "/DATA_x"; }

    // The game deals the set at start and once more from the menu; the pair names after the
    // second deal, "|" between them, and each pair's sound as 1 (it has one) or 0.
    std::string DealTwice(const char* settings = "1280 1024\n3 36") {
        GameApp app;
        std::string got;
        Steps steps = {kIdle, [](GameApp& a) { ClickOn(a.m_btnMenu); }};
        ChooseSet(steps, 100);
        steps.insert(steps.end(), {[&](GameApp&) {
                                       for (int i = 0; i < REG_TEXT.count; ++i) {
                                           const tk_CDSO_Zvuk* s = SoundOf(i);
                                           got += std::string(i ? "|" : "") + NameOf(i)->text +
                                                  (s && s->m_lpDSB ? " 1" : " 0");
                                       }
                                   },
                                   kIdle});
        EXPECT_EQ(Run(app, settings, steps), 0);
        EXPECT_LT(peakResidentMb(), kMemoryBoundMb);
        EXPECT_EQ(RemoveTemporaries(set()), 0);
        return got;
    }
};

TEST_F(HostileFiles, FifosAndDevicesInPlaceOfAnyFileAreRefusedWithoutWaiting) {
    MakeDir(set());
    for (const char* p : {"/a.bmp", "/b.bmp", "/c.bmp"}) WriteFile(set() + p, GradientBmp());
    // As an ordinary tar xf of a shared set recreates them: a picture, a sound, a thumbnail.
    fifo(set() + "/mačka.jpg");
    fifo(set() + "/a.wav");
    fifo(set() + "/b.thm");
    fs::create_symlink("/dev/zero", set() + "/c.ogg");
    // The settings: read as none, and written whole in their place at the end.
    fifo("KARTOLA.INI");
    EXPECT_EQ(DealTwice(nullptr), "a 0|b 0|c 0");
    EXPECT_TRUE(fs::is_regular_file("KARTOLA.INI"));
    EXPECT_TRUE(Logged("picture cannot be loaded [../DATA_x/mačka.jpg]"));
    EXPECT_GE(CountMatches(ReadFile("tk_LOG.txt"), "a\\.wav.*not a regular file"), 1);
    EXPECT_GE(CountMatches(ReadFile("tk_LOG.txt"), "c\\.ogg.*not a regular file"), 1);
    EXPECT_TRUE(Logged("thumbnail cannot be used, it is made again [../DATA_x/b.thm]"));
    // The FIFOs of the user stay; the thumbnail's place now holds a thumbnail.
    EXPECT_TRUE(isFifo(set() + "/mačka.jpg") && isFifo(set() + "/a.wav"));
    EXPECT_EQ(Field(ReadFile(set() + "/b.thm"), 0, 2), 0x4D42u);
}

TEST_F(HostileFiles, SoundsOfHoursAtALowRateAreRefusedBeforeDecoding) {
    MakeDir(set());
    for (const char* p : {"/flac.bmp", "/wav.bmp", "/short.bmp"}) WriteFile(set() + p, GradientBmp());
    // One hour of silence at 100 Hz is a file of about a kilobyte.
    const std::string hour = SoundFile(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 100, std::vector<short>(360000));
    ASSERT_GT(hour.size(), 0u);
    ASSERT_LT(hour.size(), 8000u);
    WriteFile(set() + "/flac.flac", hour);
    // Fifty minutes of 8-bit samples at 100 Hz: 300 KB.
    WriteFile(set() + "/wav.wav", wav_test::Wav(1, 100, 8, std::string(300000, '\x80')));
    WriteFile(set() + "/short.wav", wav_test::Wav(1, 8000, 8, std::string(8000, '\x80')));
    const std::string before = ReadFile(set() + "/flac.flac") + ReadFile(set() + "/wav.wav");
    EXPECT_EQ(DealTwice(), "flac 0|short 1|wav 0");
    // The refused files are named at each deal; the sound that loaded is kept for the second.
    const std::string log = ReadFile("tk_LOG.txt");
    EXPECT_EQ(Nums(CountMatches(log, "flac\\.flac.: sound longer than a minute"),
                   CountMatches(log, "wav\\.wav.: sound longer than a minute"),
                   CountMatches(log, "NAHRAJ_FILE - BEG.*short\\.wav"), CountMatches(log, "init \\(kept\\)")),
              "2,2,1,1");
    EXPECT_EQ(ReadFile(set() + "/flac.flac") + ReadFile(set() + "/wav.wav"), before);
}

TEST_F(HostileFiles, ThumbnailsThatAreNoneOfOursAreMadeAgainFromTheirPictures) {
    MakeDir(set());
    // A PNG of 8192 x 8192 in a few kilobytes, in place of twelve thumbnails.
    const std::string bomb = PngFile(8192, 8192, 0, 1, std::vector<std::uint8_t>(8192 * 1024));
    ASSERT_LT(bomb.size(), 20000u);
    for (int i = 0; i < 12; ++i) {
        const std::string name = set() + "/p" + std::to_string(10 + i);
        WriteFile(name + ".bmp", GradientBmp());
        WriteFile(name + ".thm", bomb);
    }
    // A thumbnail of the largest size made and one smaller stay as they are.
    WriteFile(set() + "/big.bmp", GradientBmp());
    WriteFile(set() + "/big.thm", GradientBmp(150, 100));
    WriteFile(set() + "/small.bmp", GradientBmp());
    WriteFile(set() + "/small.thm", GradientBmp(20, 10));
    EXPECT_EQ(CountMatches(DealTwice(), "\\|"), 13);
    EXPECT_EQ(CountMatches(ReadFile("tk_LOG.txt"), "thumbnail cannot be used.*p[0-9]+\\.thm"), 12);
    for (int i = 0; i < 12; ++i) {
        const std::string thm = ReadFile(set() + "/p" + std::to_string(10 + i) + ".thm");
        EXPECT_EQ(Nums(Field(thm, 0, 2), Field(thm, 18, 4) <= 150, Field(thm, 22, 4) <= 100), "19778,1,1");
    }
    EXPECT_EQ(ReadFile(set() + "/big.thm"), GradientBmp(150, 100));
    EXPECT_EQ(ReadFile(set() + "/small.thm"), GradientBmp(20, 10));
}

TEST_F(HostileFiles, AThousandsOfPicturesSetIsListedOnceAndShowsItsProgress) {
    MakeDir(set());
    const std::string picture = GradientBmp(4, 3), thumbnail = GradientBmp(15, 10);
    constexpr int kPictures = 5000;
    for (int i = 0; i < kPictures; ++i) {
        const std::string name = set() + "/p" + std::to_string(10000 + i);
        WriteFile(name + ".bmp", picture);
        WriteFile(name + ".thm", thumbnail);
    }
    // Sounds of the rule's kinds: the WAV wins, another case of the extension comes after.
    const std::string wav = wav_test::Wav(1, 8000, 8, "abcd");
    WriteFile(set() + "/p10000.OGG", "not read");
    WriteFile(set() + "/p10000.wav", wav);
    WriteFile(set() + "/p10001.WAV", wav);
    GameApp app;
    int frames = -1;
    std::string got;
    const Steps steps = {[&](GameApp& a) {
        const int before = tkp::headless::FrameCount();
        a.LoadSet("../DATA_x");
        frames = tkp::headless::FrameCount() - before;
        got = Nums(REG_TEXT.count, SoundOf(0)->m_lpDSB != nullptr, SoundOf(1)->m_lpDSB != nullptr,
                   SoundOf(2) == nullptr);
    }};
    EXPECT_EQ(Run(app, "1280 1024\n3 36", steps), 0);
    EXPECT_EQ(got, Nums(kPictures, 1, 1, 1));
    // The progress screen came a few times while the thumbnails were checked, not once a picture.
    EXPECT_GT(frames, 10);
    EXPECT_LT(frames, 500);
    EXPECT_LT(peakResidentMb(), kMemoryBoundMb);
}

TEST_F(HostileFiles, ANameAtTheFileSystemsLimitGetsItsThumbnail) {
    MakeDir(set());
    // 125 two-byte letters and "x.bmp": 255 bytes, the longest name a folder may hold.
    std::string name;
    for (int i = 0; i < 125; ++i) name += "č";
    name += "x";
    WriteFile(set() + "/" + name + ".bmp", GradientBmp());
    const std::string pairs = DealTwice();
    ASSERT_EQ(CountMatches(pairs, "č"), 51);
    EXPECT_TRUE(fs::exists(set() + "/" + name + ".thm"));
    EXPECT_EQ(FilesIn(set()), name + ".bmp " + name + ".thm");
}

}  // namespace
}  // namespace tk_test
