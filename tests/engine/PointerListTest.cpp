#include "engine/PointerList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the indices its elements are removed at.
class WatchedStringList : public CStringList {
public:
    void RemoveAt(int index) override
    {
        removed.push_back(index);
        CStringList::RemoveAt(index);
    }
    std::vector<int> removed;
};

TEST(PointerList, RefusesIndicesOutOfRange)
{
    int a = 0, b = 0, c = 0;
    CPointerList list;
    list.Add(&b);
    list.InsertAt(0, &a);
    list.InsertAt(2, &c);
    list.InsertAt(4, &c);
    list.InsertAt(-1, &c);
    list.RemoveAt(-1);
    list.RemoveAt(3);
    ASSERT_EQ(list.GetCount(), 3);
    const struct {
        int index;
        void* expected;
    } cases[] = {{-1, nullptr}, {0, &a}, {1, &b}, {2, &c}, {3, nullptr}};
    for (const auto& test : cases) {
        void* p = &a;
        list.GetAt(&p, test.index);
        EXPECT_EQ(p, test.expected) << test.index;
    }
    void* p = nullptr;
    list.PopFront(&p);
    EXPECT_EQ(p, &a);
    list.RemoveAll();
    list.PopFront(&p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(PointerList, StringListOwnsAndDeletesLastFirst)
{
    WatchedStringList list;
    list.AddTail("12abc");
    list.AddTail("-7");
    list.InsertAt(1, "x9");
    list.InsertAt(9, "refused");
    const struct {
        int index;
        const char* text;
        int value;
    } cases[] = {{0, "12abc", 12}, {1, "x9", 0}, {2, "-7", -7}, {3, "", 0}, {-1, "", 0}};
    for (const auto& test : cases) {
        std::string text = "stale";
        int value = 99;
        list.GetAtString(text, test.index);
        list.GetAtInt(&value, test.index);
        EXPECT_EQ(text, test.text) << test.index;
        EXPECT_EQ(value, test.value) << test.index;
    }
    list.RemoveAll();
    EXPECT_EQ(list.removed, (std::vector<int>{2, 1, 0}));
    std::string front = "stale";
    list.PopFrontString(front);
    EXPECT_EQ(front, "");
    list.AddTail("kept");
    list.PopFrontString(front);
    EXPECT_EQ(front, "kept");
    EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
