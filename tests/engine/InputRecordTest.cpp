#include "engine/InputRecord.h"

#include <gtest/gtest.h>

namespace {

InputState Frame(float x, uint8_t credit) {
    InputState state;
    state.x = x;
    state.credit = credit;
    return state;
}

TEST(InputRecordTest, AppendReadRewindAndClear) {
    InputRecord record;
    const InputState first = Frame(0.5f, 1);
    const InputState second = Frame(-1.0f, 0);
    EXPECT_EQ(record.Append(&first), 1);
    EXPECT_EQ(record.Append(&second), 2);

    // The cursor stands at the count after an append.
    InputState out = Frame(9.0f, 0);
    record.ReadNext(&out);
    EXPECT_EQ(out.x, 9.0f);

    record.Rewind();
    record.ReadNext(&out);
    EXPECT_EQ(out.x, 0.5f);
    EXPECT_EQ(out.credit, 1);  // all nine flags are kept in memory
    record.ReadNext(&out);
    EXPECT_EQ(out.x, -1.0f);
    EXPECT_EQ(out.credit, 0);
    EXPECT_EQ(record.ReadCursor(), 2);
    InputState past;
    record.ReadNext(&past);
    EXPECT_EQ(past.x, 0.0f);
    EXPECT_EQ(record.ReadCursor(), 2);

    record.Clear();
    EXPECT_EQ(record.ReadCursor(), 0);
    EXPECT_TRUE(record.Frames().empty());
    EXPECT_EQ(record.Append(&second), 1);
}

TEST(InputStateTest, CopyGameplayLeavesCreditAndStart) {
    InputState source;
    source.shot = source.ray = source.blade = source.dash = 1;
    source.reload = source.leftroll = source.rightroll = 1;
    source.credit = source.start = 1;
    source.x = 0.5f;
    source.y = -0.5f;
    InputState target;
    target.CopyGameplay(&source);
    EXPECT_EQ(target.rightroll, 1);
    EXPECT_EQ(target.leftroll, 1);
    EXPECT_EQ(target.y, -0.5f);
    EXPECT_EQ(target.credit, 0);
    EXPECT_EQ(target.start, 0);
    target.Copy(&source);
    EXPECT_EQ(target.credit, 1);
    EXPECT_EQ(target.start, 1);
}

}  // namespace
