// The kernel's files and resources: file search with wildcards, the files of
// tests/platform/kernel/embedded compiled into this test executable, resources registered at run
// time, and the debugger output.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_files.h"

namespace {

using Names = std::vector<std::string>;

// The names FindFirstFileA and FindNextFileA give, folders marked with a trailing '/', and the
// error that ended the search.
Names Search(const char* pattern) {
    Names names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern, &fd);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &fd))
        names.emplace_back(std::string(fd.cFileName) +
                           (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "/" : ""));
    names.push_back(std::to_string(GetLastError()));
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    return names;
}

TEST(FileSearchTest, WildcardsMatchWithoutRegardToCaseAQuestionMarkBeingOneCharacter) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"*.bmp", "Pes.BMP", true},         {"DATA*", "data_ovocie", true},     {"p?s.*", "pes.wav", true},
        {"?ruška.bmp", "hruška.bmp", true}, {"hru?ka.bmp", "hruška.bmp", true}, {"*.*", "bez_bodky", true},
        {"*a*b*", "xaxxbx", true},          {"*.bmp", "pes.bmp.thm", false},    {"p?s", "ps", false},
        {"DATA*", "xDATA", false},
    };
    for (auto [pattern, name, match] : cases)
        EXPECT_EQ(tkp_WildcardMatch(pattern, name), match) << pattern << " " << name;
}

// Bytes that are no UTF-8 are characters of their own, and nothing is read past a name's end.
TEST(FileSearchTest, WildcardsTakeBytesThatAreNoUtf8OneByOne) {
    EXPECT_TRUE(tkp_WildcardMatch("*.bmp", "\xff\xfe.bmp"));
    EXPECT_TRUE(tkp_WildcardMatch("?c",
                                  "\xe1"
                                  "c"));
    EXPECT_FALSE(tkp_WildcardMatch("*z", "x\xe0"));
}

TEST(FileSearchTest, SearchListsSortedEntriesWithAttributesAndSaysWhyItFoundNothing) {
    tk_test::ScopedWorkDir dir;
    tk_test::MakeDir("f/Sub");
    tk_test::WriteFile("f/b.bmp", "12345");
    tk_test::WriteFile("f/A.BMP", "1");
    tk_test::WriteFile("f/c.wav", "1");
    const std::string done = std::to_string(ERROR_NO_MORE_FILES);
    EXPECT_EQ(Search("f/*.*"), (Names{"./", "../", "A.BMP", "b.bmp", "c.wav", "Sub/", done}));
    EXPECT_EQ(Search("f\\*.bmp"), (Names{"A.BMP", "b.bmp", done}));
    EXPECT_EQ(Search("f/*.png"), Names{std::to_string(ERROR_FILE_NOT_FOUND)});
    EXPECT_EQ(Search("nic/*"), Names{std::to_string(ERROR_PATH_NOT_FOUND)});
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA("f/b.bmp", &fd);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(fd.nFileSizeLow, 5u);
    FindClose(h);
    // (Copying files and making folders are the folder synchronisation's tests.)
}

std::string BytesOf(HRSRC res) {
    HGLOBAL h = LoadResource(nullptr, res);
    return h ? std::string(static_cast<const char*>(LockResource(h)), SizeofResource(nullptr, res))
             : "<none>";
}

TEST(ResourcesTest, EmbeddedFilesAreFoundByNameAndTypeWithoutRegardToCase) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC bmp = FindResourceA(self, "tiny.BMP", RT_BITMAP);
    // A bitmap resource starts at its info header: the 14-byte file header is left out.
    const std::string dib = BytesOf(bmp);
    EXPECT_EQ(dib.size(), 48u);
    EXPECT_EQ(dib.substr(0, 4) + dib.substr(40), std::string("\x28\0\0\0\0\0\xff\xff\0\0\0\0", 12));
    EXPECT_EQ(FindResourceA(nullptr, "TINY.bmp", "#2"), bmp);
    EXPECT_EQ(BytesOf(FindResourceA(self, "BEEP.wav", "wav")), std::string("RIFF\x04\0\0\0WAVE", 12));
    // The type matters: a WAV is no bitmap, a bitmap no WAV.
    EXPECT_EQ(FindResourceA(self, "beep.wav", RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(FindResourceA(self, "tiny.bmp", "WAV"), nullptr);
    // A numbered file answers to its id, in both forms, and to its file name.
    HRSRC ico = FindResourceA(self, MAKEINTRESOURCE(32512), RT_GROUP_ICON);
    ASSERT_NE(ico, nullptr);
    EXPECT_TRUE(FindResourceA(self, "#32512", RT_GROUP_ICON) == ico &&
                FindResourceA(self, "32512.ICO", RT_GROUP_ICON) == ico);
    EXPECT_EQ(SizeofResource(self, ico), 6u);
    // A ".bmp" file without the BMP signature is left out; unknown names and modules find nothing.
    for (const char* name : {"broken.bmp", "nothing.bmp", static_cast<const char*>(nullptr), ""})
        EXPECT_EQ(FindResourceA(self, name, RT_BITMAP), nullptr) << (name ? name : "null");
    HMODULE other = reinterpret_cast<HMODULE>(&self);
    EXPECT_EQ(FindResourceA(other, "tiny.bmp", RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_TRUE(!LoadResource(self, nullptr) && !SizeofResource(self, nullptr) &&
                !FreeResource(LoadResource(self, bmp)));
}

TEST(ResourcesTest, RegisteredResourcesComeBeforeEmbeddedOnesAndCanBeReplaced) {
    ASSERT_TRUE(tkp_RegisterResource("Tiny.bmp", RT_BITMAP, "first", 5));
    HRSRC a = FindResourceA(nullptr, "TINY.BMP", RT_BITMAP);
    EXPECT_EQ(BytesOf(a), "first");
    ASSERT_TRUE(tkp_RegisterResource("tiny.bmp", RT_BITMAP, "second!", 7));
    // The handle found before the replacement still reads its own bytes.
    EXPECT_EQ(BytesOf(FindResourceA(nullptr, "tiny.bmp", RT_BITMAP)) + BytesOf(a), "second!first");
    // An empty resource is still a resource, with a valid pointer.
    ASSERT_TRUE(tkp_RegisterResource(MAKEINTRESOURCE(7), "Custom", nullptr, 0));
    HRSRC empty = FindResourceA(nullptr, "#7", "CUSTOM");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(LockResource(LoadResource(nullptr, empty)) && SizeofResource(nullptr, empty) == 0);
    // Cleared, the embedded bitmap is found again.
    tkp_ClearRegisteredResources();
    EXPECT_EQ(FindResourceA(nullptr, "#7", "CUSTOM"), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, FindResourceA(nullptr, "tiny.bmp", RT_BITMAP)), 48u);
}

TEST(DebugOutputTest, CapturedTextAndModuleName) {
    tkp_CaptureDebugOutput(true);
    OutputDebugStringA("handle is null\n");
    OutputDebugStringA(nullptr);
    OutputDebugStringA("ddcopybitmap failed\n");
    EXPECT_EQ(tkp_TakeDebugOutput(), "handle is null\nddcopybitmap failed\n");
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
    tkp_CaptureDebugOutput(false);
    const std::string name = tkp_ModuleName(GetModuleHandleA(nullptr));
    EXPECT_TRUE(name[0] == '/' && name.find("platform_kernel_tests") != std::string::npos) << name;
    EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr);
}

}  // namespace
