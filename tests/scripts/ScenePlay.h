// Whole scenes played headless from the first frame to the title, journalling
// on which frame of which step the steps, lines, sounds, locks, fades, pictures,
// motions and spawns came. Every play's saved replay must repeat its whole state.
#pragma once

#include "actors/AnalogNumber.h"
#include "actors/CinemaScope.h"
#include "actors/ShockWave.h"
#include "actors/SimpleSprite.h"
#include "engine/AssetLists.h"
#include "engine/InputControler.h"
#include "game/MainLoop.h"
#include "game/Replay.h"
#include "tests/common/GameState.h"
#include "tests/common/TestWorld.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tests/game/ProgramRun.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <typeinfo>

struct Entry {
    int step, frame;  // the frame: the step frame the scripts saw
    std::string what;
    bool operator==(const Entry&) const = default;
};
using Journal = std::vector<Entry>;
inline void PrintTo(const Entry& e, std::ostream* os) { *os << e.step << "/" << e.frame << " " << e.what; }

// Spawns of one kind on every period of a step, from first to last.
struct Waves { int step; const char* what; int first, period, last; };

// The keys held on each frame of a play, and how the test helps it along.
struct Pilot {
    std::function<InputState(int frame)> input = [](int) { return InputState(); };
    std::function<void(int frame)> help = [](int) {};
};

// Enemies and their shots pass through the ship.
inline void Shield() { g_player->countdown = 2; }

inline std::string KindOf(CSprite* s)
{
    char* name = abi::__cxa_demangle(typeid(*s).name(), nullptr, nullptr, nullptr);
    const std::string kind = name;
    std::free(name);
    return kind.starts_with("CEnemym") ? "CEnemym" : kind;  // the mid kinds are drawn at random
}

inline CSprite* EnemyOfKind(const char* kind)
{
    const auto found = std::ranges::find_if(g_enemyList, [kind](CSprite* s) { return KindOf(s) == kind; });
    return found == g_enemyList.end() ? nullptr : *found;
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
        input.shotKey = keys::kShot, input.bladeKey = keys::kBlade, input.leftKey = keys::kLeft;
        input.rightKey = keys::kRight, input.upKey = keys::kUp, input.downKey = keys::kDown;
        g_input = &input;
        std::system(("rm -rf '" + GetProgramFolder() + "replay'").c_str());
    }

    ~ScenePlay() override
    {
        for (int* texture : kTextures)
            *texture = -1;
        g_input = nullptr;
    }

    // Plays the scene to the title (or the limit), then its replay; the play's journal.
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
            keyboard.Press(pilot.input(f));
            RunFrame();
            Note(before, &journal);
            states.push_back(GameState());
        }
        if (g_scene == -2)
            PlayBack(pilot, states);
        return journal;
    }

    // The journal without the waves; each wave's frames are checked against its period.
    static Journal OneOffs(const Journal& journal, const std::vector<Waves>& waves)
    {
        Journal rest = journal;
        for (const Waves& w : waves) {
            std::vector<int> seen, expected;
            std::erase_if(rest, [&](const Entry& e) {
                return e.step == w.step && e.what == w.what && (seen.push_back(e.frame), true);
            });
            for (int f = w.first; f <= w.last; f += w.period)
                expected.push_back(f);
            EXPECT_EQ(seen, expected) << w.what << " in step " << w.step;
        }
        return rest;
    }

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
    static inline int* const kTextures[] = {&g_texMessageText[0], &g_texMessageText[1], &g_texClearBanner,
                                            &g_texFailedBanner,   &g_texStageTitle,     &g_texStageLabel,
                                            &g_texResultLabels[0]};

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
        return {g_scene,         g_sceneStep,           g_stepFrame, g_spriteSerial, g_fadeDirection, g_sectionCard,
                g_controlLocked, g_player->flareActive, Motions()};
    }

    // A message line is named with the sound that heralds it.
    std::string NameOf(CSprite* s) const
    {
        const std::map<int, std::string> pictures = {
            {g_texClearBanner, "clear banner"}, {g_texFailedBanner, "failed banner"}, {g_texStageTitle, "title card"},
            {g_texStageLabel, "stage label"},   {g_texResultLabels[0], "results"}};
        auto* sprite = dynamic_cast<CSimpleSprite*>(s);
        for (int sheet = 0; sprite != nullptr && sheet < 2; ++sheet)
            if (sprite->texture == g_texMessageText[sheet])
                return (Played(g_seMessageFirst) ? "first line " : Played(g_seMessage) ? "line " : "silent line ") +
                       std::to_string(sheet) + "/" + std::to_string(sprite->sourceTop / 18) +
                       (sprite->lifeFrames == 240 ? "" : " " + std::to_string(sprite->lifeFrames));
        if (sprite != nullptr)
            return pictures.contains(sprite->texture) ? pictures.at(sprite->texture) : "";
        if (auto* number = dynamic_cast<CAnalogNumber*>(s))
            return "number " + number->text;
        return dynamic_cast<CCinemaScope*>(s) || dynamic_cast<CShockWave*>(s) ? KindOf(s) : "";
    }

    bool Played(int sound) const { return std::ranges::count(audio->played, sound) > 0; }

    void Note(const Before& b, Journal* journal)
    {
        auto add = [&](const std::string& what) { journal->push_back({b.step, b.frame, what}); };
        if (g_scene != b.scene || g_sceneStep != b.step)
            add(g_scene == -2 ? "title" : "step " + std::to_string(g_sceneStep));
        const std::pair<int, const char*> sounds[] = {{g_seClear, "sound clear"}, {g_seEntry, "sound entry"},
                                                      {g_seCutIn, "sound cut-in"}};
        for (const auto& [sound, name] : sounds)
            if (Played(sound))
                add(name);
        if (g_controlLocked != b.locked)
            add(g_controlLocked ? "lock" : "unlock");
        if (g_fadeDirection == 1 && b.fade != 1)
            add("fade out");
        if (g_sectionCard != b.card)
            add(g_sectionCard == -1 ? "card none" : g_sectionCard == g_texClearCard ? "card clear" : "card failed");
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
        audio->played.clear();
        std::vector<std::pair<std::string, int>> spawned;  // enemies of one kind together
        for (CSprite* s : g_enemyList) {
            const std::string kind = KindOf(s);
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
            std::snprintf(text, sizeof text, "%s %s %g,%g,%g /%ld", Movers()[i / 3].first, kinds[i % 3], now[i].x,
                          now[i].y, now[i].z, std::lround(1.0f / now[i].step));
            add(text);
        }
    }

    // The title first lets the play's last shots fly off.
    void PlayBack(const Pilot& pilot, const std::vector<std::vector<double>>& states)
    {
        keyboard.Press(InputState());
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
    ScriptedHost keyboard;  // presses the keys of the input controller's device
    CInputControler input{std::unique_ptr<InputDevice>(keyboard.input = new NullInputDevice)};
};
