#include "engine/TextUtil.h"

#include "TempFolder.h"
#include "engine/PointerList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Strings(CStringList& list)
{
    std::vector<std::string> out(list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetAtString(out[i], i);
    return out;
}

TEST(TextUtil, SplitsFieldsOutsideQuotes)
{
    const struct {
        const char* text;
        const char* separator;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,\"b,c\",d", ",", {"a", "b,c", "d"}},
        {"'x,y'z,", ",", {"x,yz", ""}},
        {"a,,b", ",", {"a", "", "b"}},
        {"", ",", {""}},
        // The trail byte of a double-byte character is no separator.
        {"\x83|x|y", "|", {"\x83|x", "y"}},
    };
    CStringList list;
    for (const auto& test : cases) {
        list.AddTail("stale");
        EXPECT_EQ(SplitIntoList(&list, test.text, test.separator), static_cast<int>(test.fields.size()));
        EXPECT_EQ(Strings(list), test.fields) << test.text;
        for (int i = -1; i <= static_cast<int>(test.fields.size()); ++i) {
            std::string field = "stale";
            GetField(field, test.text, test.separator, i);
            EXPECT_EQ(field, i >= 0 && i < static_cast<int>(test.fields.size()) ? test.fields[i] : "") << i;
        }
    }
}

TEST(TextUtil, EditsTextsInPlace)
{
    char text[] = "  a b  ";
    TrimSpaces(text);
    EXPECT_STREQ(text, "a b");
    std::string blank = "   ";
    TrimString(blank);
    EXPECT_EQ(blank, "");
    char lines[] = "a\nb\n\x95\\\\";
    RemoveChar(lines, "\n");
    RemoveChar(lines, "\\");
    EXPECT_STREQ(lines, "ab\x95\\");

    const struct {
        const char* text;
        int index;
        const char* tail;
    } tails[] = {{"#105", 1, "105"}, {"#105", 4, ""}, {"#105", 5, ""}, {"#105", -1, ""}};
    for (const auto& test : tails)
        EXPECT_EQ(CopyTail(test.text, test.index), test.tail) << test.index;

    const struct {
        std::string before, after;
    } numbers[] = {{"41", "42"}, {"999", "1000"}, {"", ""}, {"12a", "12a"}, {std::string(300, '9'), "1" + std::string(300, '0')}};
    for (const auto& test : numbers) {
        std::string number = test.before;
        IncrementNumberText(number);
        EXPECT_EQ(number, test.after);
    }
}

using TextFileTest = TempFolderTest;

TEST_F(TextFileTest, ReadsLinesWithoutTheirEnds)
{
    WriteFileBytes(folder + "a.txt", "one\r\ntwo\n\nthree", 15);
    CStringList list;
    list.AddTail("stale");
    ReadLinesIntoList(&list, (folder + "a.txt").c_str());
    EXPECT_EQ(Strings(list), (std::vector<std::string>{"one", "two", "", "three"}));
    ReadLinesIntoList(&list, (folder + "missing.txt").c_str());
    EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
