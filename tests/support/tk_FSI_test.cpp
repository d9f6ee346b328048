#include "framework/support/tk_FSI.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_LOG.h"
#include "tests/common/tk_test_files.h"

using tk_test::MakeDir;
using tk_test::ReadFile;
using tk_test::WriteFile;

namespace {

class FsiTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        // sady/ holds two card-set folders, a plain folder, pictures and the program's own sheets.
        MakeDir("sady/DATA1");
        MakeDir("sady/data_zvierata");
        MakeDir("sady/ine");
        MakeDir("sady/hra");
        WriteFile("sady/DATA_subor.txt", "x");
        WriteFile("sady/hra/pes.bmp", "b");
        WriteFile("sady/hra/Rezia.bmp", "b");
        WriteFile("sady/hra/rezia_dll.bmp", "b");
        WriteFile("sady/hra/sprite_plane.BMP", "b");
        WriteFile("sady/hra/Kocka.BMP", "b");
        WriteFile("sady/hra/pes.wav", "w");
    }
    tk_test::ScopedWorkDir dir;

    static std::vector<std::string> list(const char* folder, const char* mask, int kind, bool full) {
        tk_CARRE arr;
        EXPECT_EQ(tk_FSI_Zisti_SubAdr(folder, mask, kind, full, &arr), 0);
        std::vector<std::string> out;
        for (int i = 0; i < arr.count; ++i) out.emplace_back(static_cast<char*>(arr[i]));
        arr.UVOLNI_char();
        return out;
    }
};

using Names = std::vector<std::string>;

TEST_F(FsiTest, NameHelpersCutPathsApart) {
    char out[64];
    tk_FSI_Vystrihni_meno("../DATA1/pes.thm", out);
    EXPECT_STREQ(out, "pes");
    tk_FSI_Vystrihni_meno("..\\DATA1\\a.b.thm", out);
    EXPECT_STREQ(out, "a.b");
    tk_FSI_Odstrihni_meno("../DATA1", out);
    EXPECT_STREQ(out, "DATA1");
    tk_FSI_Odstrihni_meno("..\\DATA1\\hruška.bmp", out);
    EXPECT_STREQ(out, "hruška.bmp");
    tk_FSI_Zmen_priponu("../DATA1/pes.bmp", "thm", out);
    EXPECT_STREQ(out, "../DATA1/pes.thm");
    tk_FSI_Zmen_priponu("..\\DATA1\\pes.bmp", "wav", out);
    EXPECT_STREQ(out, "..\\DATA1\\pes.wav");
}

TEST_F(FsiTest, NameHelpersHaveDefinedResultsWithoutSeparatorOrDotAndStayInBounds) {
    char out[64];
    tk_FSI_Vystrihni_meno("pes.bmp", out);
    EXPECT_STREQ(out, "pes");
    tk_FSI_Vystrihni_meno("../DATA1/pes", out);  // the dots of ".." are not an extension
    EXPECT_STREQ(out, "pes");
    tk_FSI_Odstrihni_meno("pes.bmp", out);
    EXPECT_STREQ(out, "pes.bmp");
    tk_FSI_Zmen_priponu("../DATA1/pes", "thm", out);
    EXPECT_STREQ(out, "../DATA1/pes.thm");
    tk_FSI_Vystrihni_meno("", out);
    EXPECT_STREQ(out, "");

    char small[6];
    std::memset(small, 'x', sizeof(small));
    tk_FSI_Zmen_priponu("../DATA1/čerešňa.bmp", "thm", small);
    EXPECT_STREQ(small, "../DA");
    char tiny[4];
    tk_FSI_Vystrihni_meno("../ščer.bmp", tiny);
    EXPECT_STREQ(tiny, "š");  // three bytes would split "č" in two
}

TEST_F(FsiTest, ListingTakesFilesOrFoldersByTheListingRule) {
    EXPECT_EQ(list("sady", "DATA*", 1, false), (Names{"DATA1", "data_zvierata"}));
    EXPECT_EQ(list("sady", "DATA*", 0, false), (Names{"DATA_subor.txt"}));
    EXPECT_EQ(list("sady", "DATA*", 1, true), (Names{"sady/DATA1", "sady/data_zvierata"}));
    // With or without the closing separator, one separator joins folder and name.
    EXPECT_EQ(list("sady/", "DATA?", 1, true), (Names{"sady/DATA1"}));
    // The program's own sheets are never listed, but the comparison is exact.
    EXPECT_EQ(list("sady/hra", "*.bmp", 0, false), (Names{"Kocka.BMP", "pes.bmp", "Rezia.bmp"}));
    EXPECT_EQ(list("sady", "*", 1, false), (Names{"DATA1", "data_zvierata", "hra", "ine"}));
    EXPECT_EQ(list("chyba", "*", 0, false), Names{});
}

TEST_F(FsiTest, ListingRefusesBadArguments) {
    tk_CARRE arr;
    EXPECT_EQ(tk_FSI_Zisti_SubAdr("sady", "*", 2, false, &arr), -1);
    EXPECT_EQ(tk_FSI_Zisti_SubAdr("", "*", 0, false, &arr), -1);
    EXPECT_EQ(tk_FSI_Zisti_SubAdr("sady", "", 0, false, &arr), -1);
    EXPECT_EQ(arr.count, 0);

    char* slots[2] = {};
    int last = 42;
    EXPECT_EQ(tk_FSI_Zisti_SubAdr_Pole("sady", "*", 2, false, slots, 2, &last), -1);
    EXPECT_EQ(last, 42);
    EXPECT_EQ(tk_FSI_Zisti_SubAdr_Pole("sady", "*.none", 0, false, slots, 2, &last), 0);
    EXPECT_EQ(last, -1);
}

TEST_F(FsiTest, ArrayListingStopsAtItsCapacity) {
    char* slots[2] = {};
    int last = 42;
    EXPECT_EQ(tk_FSI_Zisti_SubAdr_Pole("sady", "*", 1, false, slots, 2, &last), 0);
    EXPECT_EQ(last, 1);
    EXPECT_STREQ(slots[0], "DATA1");
    EXPECT_STREQ(slots[1], "data_zvierata");
    delete[] slots[0];
    delete[] slots[1];
    EXPECT_NE(ReadFile("tk_LOG.txt").find("TSKW ERROR:  [tk_FSI_Zisti_SubAdr_Pole - pole je plne]"),
              std::string::npos);
}

TEST_F(FsiTest, ExistenceTests) {
    EXPECT_TRUE(tk_FSI_Existuje_sub("sady/hra/pes.bmp"));
    EXPECT_FALSE(tk_FSI_Existuje_sub("sady/hra/mys.bmp"));
    EXPECT_TRUE(tk_FSI_ExistsFolder("sady/DATA1"));
    EXPECT_TRUE(tk_FSI_ExistsFolder("sady/DATA1/"));
    EXPECT_FALSE(tk_FSI_ExistsFolder("sady/DATA2"));
}

TEST_F(FsiTest, ListFolderWritesTheTreeToTheLog) {
    EXPECT_EQ(tk_FSI_ListFolder("sady/hra"), 0);
    EXPECT_EQ(tk_FSI_ListFolder("chyba"), -1);
    std::string log = ReadFile("tk_LOG.txt");
    auto at = [&](const std::string& s) { return log.find(s); };
    EXPECT_NE(at(") :  ListFolder [sady/hra]\n"), std::string::npos);
    EXPECT_LT(at(") :   -file [Kocka.BMP]\n"), at(") :   -file [pes.bmp]\n"));
    EXPECT_LT(at(") :   -file [pes.bmp]\n"), at(") :   -file [pes.wav]\n"));
    EXPECT_NE(at("TK_FSI_w("), std::string::npos);
    EXPECT_NE(at(") : TSKW ERROR:  [Problem pri ListFolder - FindFirstFile]\n"), std::string::npos);

    tk_LOG_reset_done = false;
    EXPECT_EQ(tk_FSI_ListFolder("sady"), 0);
    log = ReadFile("tk_LOG.txt");
    EXPECT_LT(at(") : -folder [hra]\n"), at(") :  ListFolder [sady/hra]\n"));
}

TEST_F(FsiTest, SynchroCopiesTheTreeAndSkipsFoldersThatExist) {
    MakeDir("sady/DATA1/vnutri");
    WriteFile("sady/DATA1/vnutri/a.bmp", "A");
    WriteFile("sady/DATA1/b.bmp", "B");
    MakeDir("ciel/vnutri");
    WriteFile("ciel/b.bmp", "stare");
    EXPECT_EQ(tk_FSI_SynchroFolders("sady/DATA1", "ciel"), 0);
    EXPECT_EQ(ReadFile("ciel/b.bmp"), "B");
    EXPECT_FALSE(tk_FSI_Existuje_sub("ciel/vnutri/a.bmp"));
    EXPECT_NE(ReadFile("tk_LOG.txt").find(") : TSKW ERROR:  [Problem pri CreateDirectory]\n"), std::string::npos);

    EXPECT_EQ(tk_FSI_SynchroFolders("sady/DATA1", "ciel2"), 0);  // the destination folder must exist
    MakeDir("ciel3");
    EXPECT_EQ(tk_FSI_SynchroFolders("sady/DATA1", "ciel3"), 0);
    EXPECT_EQ(ReadFile("ciel3/vnutri/a.bmp"), "A");
    EXPECT_EQ(tk_FSI_SynchroFolders("chyba", "ciel3"), -1);
}

}  // namespace
