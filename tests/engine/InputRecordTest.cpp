#include "engine/InputRecord.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(InputRecordTest, AppendReadRewindAndClear) {
    InputRecord record;
    InputState first;
    first.x = 0.5f;
    first.credit = 1;
    const InputState second;
    EXPECT_EQ(record.Append(&first), 1);
    EXPECT_EQ(record.Append(&second), 2);
    InputState out;
    out.x = 9.0f;
    record.ReadNext(&out);  // the cursor stands at the count after an append
    EXPECT_EQ(out.x, 9.0f);
    record.Rewind();
    record.ReadNext(&out);
    EXPECT_EQ(out.x, 0.5f);
    EXPECT_EQ(out.credit, 1);  // all nine flags are kept in memory
    record.ReadNext(&out);
    record.ReadNext(&out);
    // A fresh state holds nothing.
    EXPECT_EQ(std::vector<int>({out.shot, out.ray, out.blade, out.dash, out.reload, out.leftroll, out.rightroll,
                                out.credit, out.start, static_cast<int>(out.x), static_cast<int>(out.y)}),
              std::vector<int>(11, 0));
    EXPECT_EQ(record.ReadCursor(), 2);
    record.Clear();
    EXPECT_EQ(record.ReadCursor(), 0);
    EXPECT_TRUE(record.Frames().empty());
}

}  // namespace
