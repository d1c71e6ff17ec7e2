#include "engine/PointerList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the indices its strings are removed at.
struct WatchedStringList : CStringList {
    void RemoveAt(int index) override
    {
        removed.push_back(index);
        CStringList::RemoveAt(index);
    }
    std::vector<int> removed;
};

std::vector<void*> Items(CPointerList& list)
{
    std::vector<void*> out;
    for (int index = -1; index <= list.GetCount(); ++index) {
        void* p = &out;
        list.GetAt(&p, index);
        out.push_back(p);
    }
    return out;
}

TEST(PointerList, RefusesIndicesOutOfRangeAndPopsWhatItHandsOut)
{
    int a = 0, b = 0, c = 0;
    CPointerList list;
    list.Add(&b);
    for (int index : {0, 2, 4, -1})
        list.InsertAt(index, index == 0 ? &a : &c);
    list.RemoveAt(-1);
    list.RemoveAt(3);
    EXPECT_EQ(Items(list), (std::vector<void*>{nullptr, &a, &b, &c, nullptr}));
    list.RemoveAt(1);
    EXPECT_EQ(Items(list), (std::vector<void*>{nullptr, &a, &c, nullptr}));
    void* p = nullptr;
    list.PopFront(&p);
    EXPECT_EQ(p, &a);
    EXPECT_EQ(Items(list), (std::vector<void*>{nullptr, &c, nullptr}));
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    list.PopFront(&p);
    EXPECT_EQ(p, nullptr);
}

TEST(PointerList, StringListOwnsItsStringsAndDeletesLastFirst)
{
    WatchedStringList list;
    list.AddTail("12abc");
    list.AddTail("-7");
    list.InsertAt(1, "x9");
    list.InsertAt(9, "refused");
    list.InsertAt(-1, "refused");
    // Text and leading number of each index.
    const char* const expected[] = {"0", "12abc12", "x90", "-7-7", "0"};
    ASSERT_EQ(list.GetCount(), 3);
    for (int index = -1; index <= 3; ++index) {
        std::string text = "stale";
        int value = 99;
        list.GetAtString(text, index);
        list.GetAtInt(&value, index);
        EXPECT_EQ(text + std::to_string(value), expected[index + 1]);
    }
    std::string front = "stale";
    list.PopFrontString(front);
    EXPECT_EQ(front, "12abc");
    EXPECT_EQ(list.GetCount(), 2);
    list.GetAtString(front, 0);
    EXPECT_EQ(front, "x9");
    list.RemoveAll();
    EXPECT_EQ(list.removed, (std::vector<int>{0, 1, 0}));
    list.PopFrontString(front);
    EXPECT_EQ(front, "");
}

}  // namespace
