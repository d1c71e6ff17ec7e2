// Whole scenes played headless as the main loop plays them, from the first
// frame to the title, with a journal of what happened on which frame of which
// step: steps, message lines, sounds, locks, fades, pictures, motions started
// and the enemies spawned. Every play is recorded, saved, loaded and played
// back, and the playback must repeat the play's whole state frame by frame.
#pragma once

#include "actors/AnalogNumber.h"
#include "actors/CinemaScope.h"
#include "actors/ShockWave.h"
#include "actors/SimpleSprite.h"
#include "engine/AssetLists.h"
#include "engine/InputControler.h"
#include "engine/InputRecord.h"
#include "game/MainLoop.h"
#include "game/Replay.h"
#include "platform/NullInputDevice.h"
#include "tests/common/GameState.h"
#include "tests/common/TestWorld.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tests/game/ProgramRun.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

struct Entry {
    int step;
    int frame;  // the step frame the scripts saw
    std::string what;
    bool operator==(const Entry&) const = default;
};
using Journal = std::vector<Entry>;

inline void PrintTo(const Entry& e, std::ostream* os) { *os << "{" << e.step << ", " << e.frame << ", " << e.what << "}"; }

// Spawns of one kind on every period of a step, from first to last (-1: to the step's end).
struct Waves {
    int step;
    const char* what;
    int first, period, last;
};

// What the pilot holds on each frame of the play and how the test helps it along.
struct Pilot {
    std::function<InputState(int frame)> input = [](int) { return InputState(); };
    std::function<void(int frame)> help = [](int) {};
};

// Enemies and their shots pass through the ship.
inline void Shield() { g_player->countdown = 2; }

inline std::string KindOf(CSprite* s)
{
    char* name = abi::__cxa_demangle(typeid(*s).name(), nullptr, nullptr, nullptr);
    std::string kind = name;
    std::free(name);
    return kind;
}

inline CSprite* EnemyOfKind(const char* kind)
{
    for (CSprite* s : g_enemyList)
        if (KindOf(s) == kind)
            return s;
    return nullptr;
}

class CountingAudio : public NullAudioDevice {
public:
    void Play(int index, bool looping) override
    {
        played.push_back(index);
        NullAudioDevice::Play(index, looping);
    }
    std::vector<int> played;
};

class ScenePlay : public ::testing::Test {
protected:
    ScenePlay()
    {
        world.ListTransforms();
        world.LoadTones(kSounds);
        int fake = 200;
        for (int* texture : kTextures)
            *texture = fake++;
        resources.AddPicture("TEXTURE", "#345", {0xffffff});
        resources.AddPicture("TEXTURE", "#346", {0});
        input.shotKey = keys::kShot;
        input.bladeKey = keys::kBlade;
        input.leftKey = keys::kLeft;
        input.rightKey = keys::kRight;
        input.upKey = keys::kUp;
        input.downKey = keys::kDown;
        g_input = &input;
        std::system(("rm -rf '" + GetProgramFolder() + "replay'").c_str());
    }

    ~ScenePlay() override
    {
        for (int* texture : kTextures)
            *texture = -1;
        g_input = nullptr;
    }

    // Plays the scene to the title, then its replay; the play's journal.
    Journal Play(int scene, int difficulty, const Pilot& pilot = {}, int limit = 20000)
    {
        g_globalDifficulty = difficulty;
        BeginRecording();
        g_inputRecord->Clear();
        SetScene(scene, -1);
        Journal journal;
        std::vector<std::vector<double>> states;
        for (int f = 0; f < limit && g_scene == scene; ++f) {
            const Before before = Now();
            pilot.help(f);
            Hold(pilot.input(f));
            RunFrame();
            Note(before, &journal);
            states.push_back(GameState());
        }
        if (g_scene == -2)
            PlayBack(pilot, states);
        return journal;
    }

    // The journal without the waves, and each wave's frames checked against its period.
    static Journal OneOffs(const Journal& journal, const std::vector<Waves>& waves)
    {
        Journal rest;
        for (const Entry& e : journal) {
            bool periodic = false;
            for (const Waves& w : waves)
                periodic = periodic || (w.step == e.step && e.what == w.what);
            if (!periodic)
                rest.push_back(e);
        }
        for (const Waves& w : waves) {
            std::vector<int> seen, expected;
            for (const Entry& e : journal)
                if (e.step == w.step && e.what == w.what)
                    seen.push_back(e.frame);
            const int last = w.last >= 0 ? w.last : (seen.empty() ? -1 : seen.back());
            for (int f = w.first; f <= last; f += w.period)
                expected.push_back(f);
            EXPECT_EQ(seen, expected) << w.what << " in step " << w.step;
        }
        return rest;
    }

    // The briefing of a section ends at the blade button; the drill's first frame follows.
    static InputState Blade() { return Held({&InputState::blade}); }

private:
    struct Motion {
        float x, y, z, step, progress;
        bool operator==(const Motion&) const = default;
    };
    struct Before {
        int scene, step, frame, serial, fade, card;
        bool locked, flare;
        std::vector<Motion> motions;
    };

    static inline int* const kSounds[] = {&g_seMessageFirst, &g_seMessage, &g_seClear, &g_seEntry, &g_seCutIn};
    static inline const char* const kSoundNames[] = {"sound first", "sound line", "sound clear", "sound entry",
                                                     "sound cut-in"};
    static inline int* const kTextures[] = {&g_texMessageText[0], &g_texMessageText[1], &g_texClearBanner,
                                            &g_texFailedBanner,   &g_texStageTitle,     &g_texStageLabel,
                                            &g_texResultLabels[0]};

    void Hold(const InputState& state)
    {
        device->keys.fill(0);
        const std::pair<uint8_t, int> held[] = {{state.shot, keys::kShot},    {state.blade, keys::kBlade},
                                                {state.x < 0.0f, keys::kLeft}, {state.x > 0.0f, keys::kRight},
                                                {state.y > 0.0f, keys::kUp},   {state.y < 0.0f, keys::kDown}};
        for (const auto& [on, key] : held)
            if (on)
                device->keys[key] = 0x80;
    }

    static std::vector<std::pair<const char*, CSprite*>> Movers()
    {
        return {{"camera", g_camera}, {"ground", g_groundTransform}, {"ship", g_player}, {"landscape", g_landscape}};
    }

    static std::vector<Motion> Motions()
    {
        std::vector<Motion> motions;
        for (const auto& [name, s] : Movers()) {
            const Vec3 &end = s->motionEnd, &turn = s->rotationTo, &speed = s->velocityTo;
            motions.push_back({end.x, end.y, end.z, s->motionStep, s->motionProgress});
            motions.push_back({turn.x, turn.y, turn.z, s->rotationTweenStep, s->rotationTweenProgress});
            motions.push_back({speed.x, speed.y, speed.z, s->velocityTweenStep, s->velocityTweenProgress});
        }
        return motions;
    }

    static Before Now()
    {
        return {g_scene,       g_sceneStep,     g_stepFrame,           g_spriteSerial, g_fadeDirection,
                g_sectionCard, g_controlLocked, g_player->flareActive, Motions()};
    }

    static std::string NameOf(CSprite* s)
    {
        const std::map<int, std::string> pictures = {
            {g_texClearBanner, "clear banner"}, {g_texFailedBanner, "failed banner"}, {g_texStageTitle, "title card"},
            {g_texStageLabel, "stage label"},   {g_texResultLabels[0], "results"}};
        if (auto* sprite = dynamic_cast<CSimpleSprite*>(s)) {
            for (int sheet = 0; sheet < 2; ++sheet)
                if (sprite->texture == g_texMessageText[sheet])
                    return "line " + std::to_string(sheet) + "/" + std::to_string(sprite->sourceTop / 18) +
                           (sprite->lifeFrames == 240 ? "" : " " + std::to_string(sprite->lifeFrames));
            return pictures.contains(sprite->texture) ? pictures.at(sprite->texture) : "";
        }
        if (auto* number = dynamic_cast<CAnalogNumber*>(s))
            return "number " + number->text;
        if (dynamic_cast<CCinemaScope*>(s) || dynamic_cast<CShockWave*>(s))
            return KindOf(s);
        return "";
    }

    static std::string Card(int card)
    {
        if (card == -1)
            return "card none";
        return card == g_texClearCard ? "card clear" : card == g_texFailedCard ? "card failed" : "card briefing";
    }

    void Note(const Before& b, Journal* journal)
    {
        auto add = [&](const std::string& what) { journal->push_back({b.step, b.frame, what}); };
        if (g_scene != b.scene || g_sceneStep != b.step)
            add(g_scene == -2 ? "title" : "step " + std::to_string(g_sceneStep));
        for (int index : audio->played)
            for (int i = 0; i < 5; ++i)
                if (index == *kSounds[i])
                    add(kSoundNames[i]);
        audio->played.clear();
        if (g_controlLocked != b.locked)
            add(g_controlLocked ? "lock" : "unlock");
        if (g_fadeDirection == 1 && b.fade != 1)
            add("fade out");
        if (g_sectionCard != b.card)
            add(Card(g_sectionCard));
        if (g_player->flareActive && !b.flare)
            add("flare");
        NoteMotions(b, add);
        bool numbered = false;  // the results' bonus is their first number
        for (const SpriteList* list : {&g_overlayList, &g_backLayerList, &g_effectList})
            for (CSprite* s : *list) {
                const std::string name = s->serialId >= b.serial ? NameOf(s) : "";
                if (!name.empty() && !(numbered && name.starts_with("number")))
                    add(name);
                numbered = numbered || name.starts_with("number");
            }
        std::vector<std::pair<std::string, int>> spawned;
        for (CSprite* s : g_enemyList) {
            std::string kind = KindOf(s);
            if (kind.starts_with("CEnemym"))
                kind = "CEnemym";  // the kind is drawn at random
            if (s->serialId < b.serial || kind == "CScoreItem" || kind == "CEnemyBitDanmaku")
                continue;
            if (spawned.empty() || spawned.back().first != kind)
                spawned.emplace_back(kind, 0);
            spawned.back().second += 1;
        }
        for (const auto& [kind, n] : spawned)
            add(kind + " x" + std::to_string(n));
    }

    template <class Add>
    static void NoteMotions(const Before& b, Add add)
    {
        const std::vector<Motion> now = Motions();
        const char* kinds[] = {"move", "turn", "speed"};
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i].progress != 0.0f || now[i] == b.motions[i])
                continue;
            char text[96];
            std::snprintf(text, sizeof text, "%s %s %g,%g,%g /%ld", Movers()[i / 3].first, kinds[i % 3],
                          now[i].x, now[i].y, now[i].z, std::lround(1.0f / now[i].step));
            add(text);
        }
    }

    // The title first lets the play's last shots fly off, as a player watching it would.
    void PlayBack(const Pilot& pilot, const std::vector<std::vector<double>>& states)
    {
        Hold(InputState());
        for (int i = 0; i < 200; ++i)
            RunFrame();
        std::vector<std::string> files;
        ListFilesInFolder(GetProgramFolder() + "replay", &files);
        ASSERT_EQ(files.size(), 1u);
        ASSERT_TRUE(StartReplay(files[0]));
        std::remove(files[0].c_str());
        for (size_t f = 0; f < states.size(); ++f) {
            pilot.help(static_cast<int>(f));
            RunFrame();
            ASSERT_EQ(GameState(), states[f]) << "frame " << f << " of the playback";
        }
    }

    GraphicsTestResources resources;
    CountingAudio* audio = new CountingAudio;

protected:
    TestWorld world{nullptr, std::unique_ptr<AudioDevice>(audio)};

private:
    NullInputDevice* device = new NullInputDevice;
    CInputControler input{std::unique_ptr<InputDevice>(device)};
};
