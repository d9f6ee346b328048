// The kernel's files and resources: file search with wildcards, the files of
// tests/platform/kernel/embedded compiled into this test executable. (Resources registered at run
// time and the captured debugger output are how the other tests feed and read theirs.)
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_files.h"

namespace {

using Names = std::vector<std::string>;

// The names FindFirstFileA and FindNextFileA give, and the error that ended the search.
Names foundNames(const char* pattern) {
    Names names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern, &fd);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &fd))
        names.emplace_back(fd.cFileName);
    names.push_back(std::to_string(GetLastError()));
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    return names;
}

// Bytes that are no UTF-8 are characters of their own, and nothing is read past a name's end.
TEST(FileSearchTest, WildcardsMatchWithoutRegardToCaseAQuestionMarkBeingOneCharacter) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"*.bmp", "Pes.BMP", true},         {"DATA*", "data_ovocie", true},     {"p?s.*", "pes.wav", true},
        {"?ruška.bmp", "hruška.bmp", true}, {"hru?ka.bmp", "hruška.bmp", true}, {"*.*", "bez_bodky", true},
        {"*a*b*", "xaxxbx", true},          {"*.bmp", "pes.bmp.thm", false},    {"p?s", "ps", false},
        {"DATA*", "xDATA", false},          {"??.bmp", "\xff\xfe.bmp", true},   {"*z", "x\xe0", false},
    };
    for (auto [pattern, name, match] : cases)
        EXPECT_EQ(tkp::testing::WildcardMatch(pattern, name), match) << pattern << " " << name;
}

// (Which entries the program lists, their order and which are folders, and copying files and
// making folders, are the folder listing's and synchronisation's tests: listing in reverse order
// or without the folder attribute fails them.)
TEST(FileSearchTest, SearchTakesEitherSeparatorAndEndsWithNoMoreFiles) {
    tk_test::ScopedWorkDir dir;
    tk_test::MakeDir("f");
    tk_test::WriteFile("f/b.bmp", "12345");
    tk_test::WriteFile("f/A.BMP", "1");
    EXPECT_EQ(foundNames("f\\*.bmp"), (Names{"A.BMP", "b.bmp", std::to_string(ERROR_NO_MORE_FILES)}));
}

// (That names are found without regard to case and that a bitmap starts at its info header, the
// skin's tests show with the program's own sheets.)
// Only a regular file (or a link to one) is opened, and nothing in a file's place makes the
// caller wait: a FIFO without a writer, a device, a folder are refused with the same reason.
TEST(RegularFileTest, OnlyRegularFilesAreReadAndNothingWaits) {
    tk_test::ScopedWorkDir dir;
    tk_test::WriteFile("a.txt", "abc");
    std::filesystem::create_symlink("a.txt", "link.txt");
    ASSERT_EQ(::mkfifo("fifo.jpg", 0644), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.ogg");
    tk_test::MakeDir("folder.wav");
    std::vector<std::uint8_t> bytes;
    bool tooLarge = true;
    const char* why = nullptr;
    EXPECT_TRUE(tkp::kernel::ReadRegularFile("link.txt", 3, &bytes, &tooLarge) && !tooLarge);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abc");
    EXPECT_FALSE(tkp::kernel::ReadRegularFile("a.txt", 2, &bytes, &tooLarge, &why));
    EXPECT_TRUE(tooLarge && bytes.empty() && std::string(why) == "file too large");
    for (const char* path : {"fifo.jpg", "zero.ogg", "folder.wav"}) {
        why = nullptr;
        EXPECT_EQ(tkp::kernel::OpenRegularStream(path, &why), nullptr) << path;
        EXPECT_EQ(why, tkp::kernel::kNotRegularFile) << path;
        EXPECT_FALSE(tkp::kernel::IsRegularFile(path)) << path;
    }
    EXPECT_EQ(tkp::kernel::OpenRegularFile("missing", &why), -1);
    EXPECT_STREQ(why, "No such file or directory");
}

TEST(ResourcesTest, EmbeddedFilesAreFoundByNameAndType) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC wav = FindResourceA(self, "BEEP.wav", "wav");
    ASSERT_NE(wav, nullptr);
    EXPECT_EQ(std::string(static_cast<const char*>(LockResource(LoadResource(self, wav))),
                          SizeofResource(self, wav)),
              std::string("RIFF\x04\0\0\0WAVE", 12));
    // The type matters: a WAV is no bitmap, a bitmap no WAV.
    EXPECT_EQ(FindResourceA(self, "beep.wav", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(self, "tiny.bmp", "WAV"), nullptr);
    // A ".bmp" file without the BMP signature is left out; unknown names find nothing.
    for (const char* name : {"broken.bmp", "nothing.bmp", ""})
        EXPECT_EQ(FindResourceA(self, name, RT_BITMAP), nullptr) << name;
}

}  // namespace
