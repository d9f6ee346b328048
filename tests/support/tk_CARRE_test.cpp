#include "framework/support/tk_CARRE.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/support/tk_LOG.h"
#include "tests/common/tk_test_files.h"

using tk_test::ReadFile;

namespace {

class CarreTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
    }
    tk_test::ScopedWorkDir dir;
    char a = 'A', b = 'B', c = 'C', d = 'D', e = 'E';

    void fill(tk_CARRE& arr) {
        for (char* p : {&a, &b, &c, &d, &e}) arr.Add(p);
    }
    static std::string letters(const tk_CARRE& arr) {
        std::string s;
        for (int i = 0; i < arr.count; ++i) s += arr[i] ? *static_cast<char*>(arr[i]) : '-';
        return s;
    }
};

TEST_F(CarreTest, GrowsByDoublingFromFourSlots) {
    tk_CARRE arr;
    EXPECT_EQ(arr.items, nullptr);
    EXPECT_EQ(arr.akt_alloc, 0);
    EXPECT_EQ(arr.mode, 2);
    EXPECT_TRUE(arr.check_index);
    std::vector<int> sizes;
    for (int i = 0; i < 9; ++i) {
        arr.Add(&a);
        sizes.push_back(arr.akt_alloc);
    }
    EXPECT_EQ(sizes, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 16}));
    EXPECT_EQ(arr.count, 9);
    for (int i = 9; i < 16; ++i) EXPECT_EQ(arr.items[i], nullptr);
}

TEST_F(CarreTest, GrowsByAFixedDelta) {
    tk_CARRE arr(4, 3, 2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(arr.items[i], nullptr);
    std::vector<int> sizes;
    for (int i = 0; i < 8; ++i) {
        arr.PRIDAJ(&a);
        sizes.push_back(arr.akt_alloc);
    }
    EXPECT_EQ(sizes, (std::vector<int>{4, 4, 4, 4, 7, 7, 7, 10}));
}

TEST_F(CarreTest, IndexErrorsAreLoggedAndChangeNothing) {
    tk_CARRE arr;
    arr.Add(&a);
    arr.Add(&b);
    EXPECT_EQ(arr[2], nullptr);
    EXPECT_EQ(arr.GET(-1), nullptr);
    arr.SET(5, &c);
    EXPECT_EQ(letters(arr), "AB");
    std::string log = ReadFile("tk_LOG.txt");
    EXPECT_NE(log.find("TK_ARRE_w("), std::string::npos);
    EXPECT_NE(log.find(") : Chyba: Index je mimo rozsah [2] [2]\n"), std::string::npos);
    EXPECT_NE(log.find(") : Chyba: Index je mimo rozsah [-1] [2]\n"), std::string::npos);
    EXPECT_NE(log.find(") : Chyba: Index je mimo rozsah [5] [2]\n"), std::string::npos);

    // Without the check the slot is read as it is.
    arr.check_index = false;
    EXPECT_EQ(arr[3], nullptr);
}

TEST_F(CarreTest, RotationsMoveOneSlotAcrossARange) {
    tk_CARRE l, r, same;
    fill(l);
    fill(r);
    fill(same);
    l.ROLL(1, 3);
    EXPECT_EQ(letters(l), "ACDBE");
    r.ROLR(1, 3);
    EXPECT_EQ(letters(r), "ADBCE");
    l.ROLL(3, 4);
    EXPECT_EQ(letters(l), "ACDEB");
    r.ROLR(0, 1);
    EXPECT_EQ(letters(r), "DABCE");
    same.ROLL(2, 2);
    same.ROLL(3, 1);
    same.ROLL(1, 5);
    same.ROLR(-1, 2);
    EXPECT_EQ(letters(same), "ABCDE");
}

TEST_F(CarreTest, BlankAndShiftUpRemovesASlot) {
    tk_CARRE arr;
    arr.Add(&a);
    arr.Add(&b);
    arr.Add(&c);
    arr.Blenduj(1);
    arr.ShiftUp(1);
    EXPECT_EQ(letters(arr), "AC");
    EXPECT_EQ(arr.items[2], nullptr);
    arr.Blenduj(1);
    arr.ShiftUp(1);
    EXPECT_EQ(letters(arr), "A");
}

TEST_F(CarreTest, CountOperationsKeepTheStorage) {
    tk_CARRE arr;
    fill(arr);
    arr.Del();
    EXPECT_EQ(arr.count, 4);
    arr.SET_count(-1);
    EXPECT_EQ(arr.count, 4);
    arr.Zhod_count();
    EXPECT_EQ(arr.count, 0);
    EXPECT_EQ(arr.items[0], &a);
    arr.SET_count(5);
    EXPECT_EQ(letters(arr), "ABCDE");

    arr.DetachAll();
    EXPECT_EQ(arr.count, 0);
    EXPECT_EQ(arr.akt_alloc, 8);
    EXPECT_EQ(arr.items[0], &a);  // not owned: left as it was

    tk_CARRE never;
    never.count = 3;  // an array never given storage is left alone
    never.DetachAll();
    EXPECT_EQ(never.count, 3);
    never.count = 0;
}

TEST_F(CarreTest, StringArraysAreFreedAndDumped) {
    tk_CARRE arr;
    arr.Add(new char[4]{'p', 'e', 's', 0});
    arr.Add(new char[6]{'m', 'a', 'c', 'k', 'a', 0});
    arr.VYPIS_LOG();
    arr.VYPIS_LOG_char();
    arr.UVOLNI_char();
    EXPECT_EQ(arr.count, 0);
    EXPECT_EQ(arr.items[0], nullptr);
    std::string log = ReadFile("tk_LOG.txt");
    EXPECT_NE(log.find(") : tk_CARRE::VYPIS_LOG(): count[2]; akt_alloc[4]; next_alloc_delta[0]; mode[2]\n"),
              std::string::npos);
    EXPECT_NE(log.find(") : tk_CARRE::VYPIS_LOG_char(): count[2]; akt_alloc[4]; next_alloc_delta[0]; mode[2]\n"),
              std::string::npos);
    EXPECT_NE(log.find(") :   ARR[0]: [pes]\n"), std::string::npos);
    EXPECT_NE(log.find(") :   ARR[1]: [macka]\n"), std::string::npos);
}

// A stand-in element: its first field is the class id, as on every screen element.
struct FakeElement {
    int class_id;
};
std::vector<int> g_destroyed;

bool destroyFake(void* p) {
    auto e = static_cast<FakeElement*>(p);
    if (e->class_id == 10) return false;
    g_destroyed.push_back(e->class_id);
    delete e;
    return true;
}

TEST_F(CarreTest, OwningArrayDestroysItsElementsThroughTheHook) {
    tk_CARRE_SetDestroyer(destroyFake);
    g_destroyed.clear();
    {
        tk_CARRE arr;
        arr.mode = 1;
        arr.Add(new FakeElement{2});
        arr.Add(nullptr);
        arr.Add(new FakeElement{14});
        arr.DetachAll();
        EXPECT_EQ(arr.count, 0);
        EXPECT_EQ(arr.items[0], nullptr);
        arr.Add(new FakeElement{7});
    }  // the destructor detaches in mode 1
    EXPECT_EQ(g_destroyed, (std::vector<int>{2, 14, 7}));
    tk_CARRE_SetDestroyer(nullptr);
}

using CarreDeathTest = CarreTest;

TEST_F(CarreDeathTest, ProgrammingFaultsStopWithAnErrorLine) {
    tk_CARRE arr;
    arr.Add(&a);
    arr.Add(&b);
    EXPECT_DEATH(arr.ShiftUp(0), "assert: ocakavana NULL hodnota");
    EXPECT_DEATH(arr.ShiftUp(2), "assert: index mimo rozsah");
    EXPECT_NE(ReadFile("tk_LOG.txt").find("TK_ARRE_w("), std::string::npos);
    EXPECT_NE(ReadFile("tk_LOG.txt").find(") : TSKW ERROR:  [assert: index mimo rozsah]\n"), std::string::npos);

    tk_CARRE_SetDestroyer(destroyFake);
    EXPECT_DEATH(
        {
            tk_CARRE owning;
            owning.mode = 1;
            owning.Add(new FakeElement{10});
            owning.DetachAll();
        },
        "tk_CARRE::DetachAll - switch class_id - assert");
    tk_CARRE_SetDestroyer(nullptr);
}

}  // namespace
