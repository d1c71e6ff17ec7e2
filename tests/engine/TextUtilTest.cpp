#include "engine/TextUtil.h"

#include "TempFolder.h"
#include "engine/PointerList.h"

#include <gtest/gtest.h>

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
        std::vector<std::string> fields;
    } cases[] = {
        {"a,\"b,c\",d", {"a", "b,c", "d"}},
        {"'x,y'z,", {"x,yz", ""}},
        {"", {""}},
        {"\x83,x,y", {"\x83,x", "y"}},  // a trail byte is no separator
    };
    CStringList list;
    for (const auto& test : cases) {
        EXPECT_EQ(SplitIntoList(&list, test.text, ","), static_cast<int>(test.fields.size()));
        EXPECT_EQ(Strings(list), test.fields) << test.text;
        for (int i = -1; i <= static_cast<int>(test.fields.size()); ++i) {
            std::string field = "stale";
            GetField(field, test.text, ",", i);
            EXPECT_EQ(field, i >= 0 && i < static_cast<int>(test.fields.size()) ? test.fields[i] : "") << i;
        }
    }
}

TEST(TextUtil, EditsTexts)
{
    char text[] = "  a b  ";
    TrimSpaces(text);
    EXPECT_STREQ(text, "a b");
    std::string blank = "   ";
    TrimString(blank);
    EXPECT_EQ(blank, "");
    char lines[] = "a\nb\x95\\\\";
    RemoveChar(lines, "\n");
    RemoveChar(lines, "\\");
    EXPECT_STREQ(lines, "ab\x95\\");
    std::string joined = "ab";
    StringAppend(joined, "cd");
    EXPECT_EQ(joined, "abcd");
    for (int index : {1, 4, 5, -1})
        EXPECT_EQ(CopyTail("#105", index), index == 1 ? "105" : "") << index;
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
    EXPECT_EQ(ReplaceExtension("replay\\a.b.dat", ".txt"), "replay\\a.b.txt");
    std::string now;
    CurrentTimeText(now);
    EXPECT_EQ(now.size(), 24u);  // Www Mmm dd hh:mm:ss yyyy
}

}  // namespace

TEST(TextUtil, IncrementsSignedNumbersKeepingTheirWidth)
{
    const std::string nines(256, '9'), ones(257, '1');
    const std::string numbers[][2] = {
        {"-5", "-4"},   {"-1", "0"},   {"-01", "00"}, {"-10", "-09"},   {"-0", "1"},       {"0099", "0100"},
        {"+9", "+10"},  {"-", "-"},    {"+", "+"},    {"--1", "--1"},   {"1-", "1-"},      {"-1a", "-1a"},
        {"- 1", "- 1"}, {"41", "42"},  {"999", "1000"}, {"", ""},       {"12a", "12a"},
        {nines, "1" + std::string(256, '0')},                              {ones, ones}};
    for (const auto& [text, next] : numbers) {
        std::string number = text;
        IncrementNumberText(number);
        EXPECT_EQ(number, next) << text;
    }
}
