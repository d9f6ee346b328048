#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/platform.h"

namespace {

std::string bytesOf(HRSRC res) {
    HGLOBAL h = LoadResource(nullptr, res);
    if (!h) return "<none>";
    const char* p = static_cast<const char*>(LockResource(h));
    return std::string(p, SizeofResource(nullptr, res));
}

// The files of tests/platform/kernel/embedded are compiled into this test executable.
TEST(ResourcesTest, EmbeddedFilesAreFoundByNameAndTypeWithoutRegardToCase) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC bmp = FindResourceA(self, "tiny.BMP", RT_BITMAP);
    ASSERT_NE(bmp, nullptr);
    // A bitmap resource starts at its info header: the 14-byte file header is left out.
    EXPECT_EQ(SizeofResource(self, bmp), 48u);
    const std::string dib = bytesOf(bmp);
    EXPECT_EQ(dib.substr(0, 4), std::string("\x28\0\0\0", 4));
    EXPECT_EQ(dib.substr(40), std::string("\0\0\xff\xff\0\0\0\0", 8));
    EXPECT_EQ(FindResourceA(nullptr, "TINY.bmp", "#2"), bmp);

    HRSRC wav = FindResourceA(self, "BEEP.wav", "wav");
    ASSERT_NE(wav, nullptr);
    EXPECT_EQ(bytesOf(wav), std::string("RIFF\x04\0\0\0WAVE", 12));
    // The type matters: a WAV is no bitmap, a bitmap no WAV.
    EXPECT_EQ(FindResourceA(self, "beep.wav", RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(FindResourceA(self, "tiny.bmp", "WAV"), nullptr);

    // A numbered file answers to its id, in both forms, and to its file name.
    HRSRC ico = FindResourceA(self, MAKEINTRESOURCE(32512), RT_GROUP_ICON);
    ASSERT_NE(ico, nullptr);
    EXPECT_EQ(FindResourceA(self, "#32512", RT_GROUP_ICON), ico);
    EXPECT_EQ(FindResourceA(self, "32512.ICO", RT_GROUP_ICON), ico);
    EXPECT_EQ(SizeofResource(self, ico), 6u);

    // A ".bmp" file without the BMP signature is left out; unknown names and modules find nothing.
    EXPECT_EQ(FindResourceA(self, "broken.bmp", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(self, "nothing.bmp", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(self, nullptr, RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(self, "", RT_BITMAP), nullptr);
    HMODULE other = reinterpret_cast<HMODULE>(&self);
    EXPECT_EQ(FindResourceA(other, "tiny.bmp", RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(LoadResource(self, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(self, nullptr), 0u);
    EXPECT_EQ(FreeResource(LoadResource(self, bmp)), FALSE);
}

TEST(ResourcesTest, RegisteredResourcesComeBeforeEmbeddedOnesAndCanBeReplaced) {
    const char first[] = "first";
    ASSERT_TRUE(tkp_RegisterResource("Tiny.bmp", RT_BITMAP, first, 5));
    HRSRC a = FindResourceA(nullptr, "TINY.BMP", RT_BITMAP);
    EXPECT_EQ(bytesOf(a), "first");
    ASSERT_TRUE(tkp_RegisterResource("tiny.bmp", RT_BITMAP, "second!", 7));
    HRSRC b = FindResourceA(nullptr, "tiny.bmp", RT_BITMAP);
    EXPECT_EQ(bytesOf(b), "second!");
    // The handle found before the replacement still reads its own bytes.
    EXPECT_EQ(bytesOf(a), "first");

    // An empty resource is still a resource, with a valid pointer.
    ASSERT_TRUE(tkp_RegisterResource(MAKEINTRESOURCE(7), "Custom", nullptr, 0));
    HRSRC empty = FindResourceA(nullptr, "#7", "CUSTOM");
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(LockResource(LoadResource(nullptr, empty)), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, empty), 0u);

    EXPECT_FALSE(tkp_RegisterResource(nullptr, "WAV", first, 1));
    EXPECT_FALSE(tkp_RegisterResource("x", "", first, 1));
    EXPECT_FALSE(tkp_RegisterResource("x", "WAV", nullptr, 1));

    tkp_ClearRegisteredResources();
    EXPECT_EQ(FindResourceA(nullptr, "#7", "CUSTOM"), nullptr);
    // The embedded bitmap is found again.
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

    std::string name = tkp_ModuleName(GetModuleHandleA(nullptr));
    EXPECT_NE(name.find("platform_kernel_tests"), std::string::npos) << name;
    EXPECT_EQ(name[0], '/');
    EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr);
}

}  // namespace
