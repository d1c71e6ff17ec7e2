// Replay files: a file that is no replay leaves the record alone; a loaded
// one holds exactly its frames, each as a recording can hold it, and saving
// them again loads back the same.
#include "engine/FileUtil.h"
#include "engine/InputRecord.h"
#include "fuzz/FuzzCheck.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

bool SameFrame(const InputState& a, const InputState& b)
{
    return a.x == b.x && a.y == b.y && a.shot == b.shot && a.ray == b.ray && a.blade == b.blade &&
           a.dash == b.dash && a.reload == b.reload && a.leftroll == b.leftroll && a.rightroll == b.rightroll;
}

bool IsRecordable(const InputState& s)
{
    const uint8_t flags[] = {s.shot, s.ray, s.blade, s.dash, s.reload, s.leftroll, s.rightroll, s.credit, s.start};
    for (uint8_t flag : flags)
        if (flag > 1)
            return false;
    return s.x >= -1.0f && s.x <= 1.0f && s.y >= -1.0f && s.y <= 1.0f && s.credit == 0 && s.start == 0;
}

void CheckRewrite(const InputRecord& record)
{
    const ReplayHeader& header = record.Header();
    static const std::string copy = FuzzScratchPath("copy.dat");
    InputRecord saver;
    for (const InputState& state : record.Frames())
        saver.Append(&state);
    FuzzCheck(saver.SaveFile(copy, header.scene, header.name, header.score, header.hits, header.automaticReload,
                             header.difficulty, header.playTime),
              "a loaded replay saves");
    InputRecord reloaded;
    FuzzCheck(reloaded.LoadFile(copy) == ReplayLoadResult::Loaded, "a saved replay loads");
    FuzzCheck(reloaded.Frames().size() == record.Frames().size(), "the same number of frames");
    for (size_t i = 0; i < record.Frames().size(); ++i)
        FuzzCheck(SameFrame(reloaded.Frames()[i], record.Frames()[i]), "the same frames");
    FuzzCheck(std::strcmp(reloaded.Header().name, header.name) == 0, "the same name");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzScratchPath("replay.dat");
    FuzzCheck(WriteFileBytes(path, data, size), "the replay file is written");
    InputRecord record;
    InputState before;
    before.x = 0.25f;
    record.Append(&before);
    const ReplayLoadResult result = record.LoadFile(path);
    if (result == ReplayLoadResult::Unusable) {
        FuzzCheck(record.Frames().size() == 1 && record.Frames()[0].x == 0.25f, "a refused file changes nothing");
        return 0;
    }
    const ReplayHeader& header = record.Header();
    FuzzCheck(std::strlen(header.name) <= 16 && std::strlen(header.checksum) <= 32, "text fields end in the header");
    FuzzCheck(header.frames >= 0 && 84 + 15 * static_cast<size_t>(header.frames) <= size, "the file holds its frames");
    if (result == ReplayLoadResult::BadChecksum) {
        FuzzCheck(record.Frames().empty(), "a changed file plays without input");
        return 0;
    }
    FuzzCheck(record.Frames().size() == static_cast<size_t>(header.frames), "every frame is loaded");
    for (const InputState& state : record.Frames())
        FuzzCheck(IsRecordable(state), "each frame is one a recording can hold");
    CheckRewrite(record);
    return 0;
}
