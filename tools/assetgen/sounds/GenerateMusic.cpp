// Every BGM resource: the title loop and the two stage tracks.
#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/sounds/MusicRenderer.h"
#include "tools/assetgen/sounds/MusicStream.h"
#include "tools/assetgen/sounds/PeakLimiter.h"
#include "tools/assetgen/sounds/ScoreLibrary.h"
#include "tools/assetgen/sounds/SoundLevels.h"

namespace {

// The game's own mixing rate: half the size and time of 44.1 kHz.
constexpr int kMusicSampleRate = 22050;
constexpr float kMusicQuality = 0.3f;
// Music sits under the effects.
constexpr float kMusicRmsDb = -20.0f;
constexpr float kMusicCeiling = 0.8f;
// At most this much gain before the limiter takes the peaks.
constexpr float kMusicHeadroom = 4.0f;

struct MusicTrack {
    int id;
    const char* score;
};

constexpr MusicTrack kMusic[] = {
    {110, "music/title.txt"},
    {111, "music/stage0.txt"},
    {113, "music/stage1.txt"},
};

} // namespace

std::vector<unsigned char> MakeMusicStream(const std::string& score)
{
    PcmSound sound = RenderScore(LoadScore(score), kMusicSampleRate);
    ScaleToRms(sound.samples, kMusicRmsDb, kMusicHeadroom);
    LimitPeaks(sound.samples, sound.channels, sound.sampleRate, kMusicCeiling);
    return EncodeOggVorbis(sound, kMusicQuality);
}

void GenerateMusic(AssetSink& sink)
{
    for (const MusicTrack& track : kMusic) {
        sink.Add("BGM", track.id, MakeMusicStream(track.score));
    }
}
