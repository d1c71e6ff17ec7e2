// Whole scenes played headless from the first frame (or from the title) to
// the title, journalling on which frame of which step the steps, lines,
// sounds, locks, fades, pictures, motions, objects, deaths, freezes, scores,
// credits and lines of the events log came, with a digest of what was drawn.
// Every play's saved replay must repeat its whole state.
#pragma once

#include "actors/AnalogNumber.h"
#include "actors/CinemaScope.h"
#include "actors/ShockWave.h"
#include "actors/SimpleSprite.h"
#include "engine/AssetLists.h"
#include "engine/InputControler.h"
#include "game/MainLoop.h"
#include "game/Replay.h"
#include "game/TitleMenu.h"
#include "tests/actors/TileMesh.h"
#include "tests/common/GameState.h"
#include "tests/common/TestWorld.h"
#include "tests/engine/GraphicsTestResources.h"
#include "tests/game/ProgramRun.h"
#include "tests/scripts/SceneJournal.h"

#include <cxxabi.h>

#include <cmath>
#include <functional>
#include <typeinfo>

// The keys held on each frame of a play, and how the test helps it along.
struct Pilot {
    std::function<InputState(int frame)> input = [](int) { return InputState(); };
    std::function<void(int frame)> help = [](int) {};
};

// Enemies and their shots pass through the ship.
inline void Shield() { g_player->countdown = 2; }

// Every 600 frames: shooting while swaying, lasers every 40 frames, a blade
// swing, a dash, a reload, then a special with the stick at rest (shot, ray
// and blade in turn) on a gauge the test fills.
inline InputState Gunner(int f)
{
    const int t = f % 600;
    uint8_t InputState::* const specials[] = {&InputState::shot, &InputState::ray, &InputState::blade};
    if (t >= 500 && t < 503)
        return Held({&InputState::dash, specials[f / 600 % 3]});
    InputState keys = Held({&InputState::shot}, (f / 90) % 2 ? 1.0f : -1.0f);
    keys.ray = t % 40 == 0;
    keys.blade = t >= 300 && t < 304;
    keys.dash = t >= 400 && t < 403;
    keys.reload = t == 550;
    return keys;
}

inline void FillSpecialGauge(int f)
{
    if (f % 600 == 499)
        g_player->specialGauge = g_player->specialGaugeMax;
}

inline std::string KindOf(CSprite* s)
{
    char* name = abi::__cxa_demangle(typeid(*s).name(), nullptr, nullptr, nullptr);
    const std::string kind = name;
    std::free(name);
    return kind;
}

inline CSprite* EnemyOfKind(const char* kind)
{
    const auto found = std::ranges::find_if(g_enemyList, [kind](CSprite* s) { return KindOf(s) == kind; });
    return found == g_enemyList.end() ? nullptr : *found;
}

class CountingAudio : public NullAudioDevice {
public:
    struct Sound {
        int index, volume, pan;
        bool looping;
    };
    void Play(int index, bool looping) override
    {
        played.push_back({index, GetVolume(index), GetPan(index), looping});
        NullAudioDevice::Play(index, looping);
    }
    std::vector<Sound> played;
};

class ScenePlay : public ::testing::Test {
protected:
    ScenePlay()
    {
        world.ListTransforms();
        for (const auto& [handle, name] : kSounds)
            world.LoadTones(std::span(&handle, 1));
        LoadStandInPictures();
        resources.AddText("MODEL", "tile", kTileMesh);
        for (int* model : kModels)
            world.graphics.LoadMesh(model, "tile", "MODEL");
        input.shotKey = keys::kShot, input.bladeKey = keys::kBlade, input.leftKey = keys::kLeft;
        input.rightKey = keys::kRight, input.upKey = keys::kUp, input.downKey = keys::kDown;
        input.rayKey = keys::kRay, input.dashKey = keys::kDash, input.reloadKey = keys::kReload;
        input.leftrollKey = keys::kLeftRoll, input.rightrollKey = keys::kRightRoll;
        input.creditKey = keys::kCredit, input.startKey = keys::kStart;
        g_input = &input;
        std::system(("rm -rf '" + GetProgramFolder() + "replay' '" + GetProgramFolder() + "demo'").c_str());
    }

    ~ScenePlay() override
    {
        for (int* model : kModels)
            *model = -1;
        g_input = nullptr;
    }

    // Plays the scene to the title (or the limit), then its replay; the play's journal.
    Journal Play(int scene, int difficulty, const Pilot& pilot = {}, int limit = 20000)
    {
        g_globalDifficulty = difficulty;
        BeginRecording();
        g_inputRecord->Clear();
        SetScene(scene, -1);
        Journal journal = Run(pilot, limit);
        if (g_scene == -2)
            PlayBack(pilot, false);
        return journal;
    }

    // From the title with the default settings, as the cabinet runs: the pilot
    // inserts credits and starts a play, which ends in the title (or at the
    // limit); its replay is then played as the title plays a demo.
    Journal PlayFromTitle(const Pilot& pilot, int limit)
    {
        g_globalDifficulty = -1;
        g_player->automaticReload = true;
        InitTitleMenu();
        SetScene(-2, 0);
        Journal journal = Run(pilot, limit);
        if (g_scene == -2 && !states.empty())
            PlayBack(pilot, true);
        return journal;
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
        int score, kills, lives, freeze, credits;
    };
    struct Seen {
        std::string name;
        int state, phase;
    };

    static inline const std::pair<int* const, const char*> kSounds[] = {
        {&g_seEnemyExplode, "EnemyExplode"}, {&g_seBossDie, "BossDie"}, {&g_seBitExplode, "BitExplode"},
        {&g_seEnemyDie, "EnemyDie"}, {&g_seLock, "Lock"}, {&g_seBossExplode, "BossExplode"},
        {&g_seBigExplode, "BigExplode"}, {&g_seLaserHit, "LaserHit"}, {&g_sePlayerDie, "PlayerDie"},
        {&g_seEnemyFire, "EnemyFire"}, {&g_seRayFire, "RayFire"}, {&g_seShotHit, "ShotHit"}, {&g_seEntry, "Entry"},
        {&g_seSpecial, "Special"}, {&g_seShot, "Shot"}, {&g_seLaserHit2, "LaserHit2"}, {&g_seBladeSwing, "BladeSwing"},
        {&g_seMidEnemyFire, "MidEnemyFire"}, {&g_seCredit, "Credit"}, {&g_seHeavyFire, "HeavyFire"},
        {&g_seLaserHit3, "LaserHit3"}, {&g_seRefused, "Refused"}, {&g_seBladeHit, "BladeHit"},
        {&g_seBladeHit2, "BladeHit2"}, {&g_seRaySpecial, "RaySpecial"}, {&g_seBeam, "Beam"}, {&g_seGameOver, "GameOver"},
        {&g_seReloadShot, "ReloadShot"}, {&g_seShotEmpty, "ShotEmpty"}, {&g_seReloadBlade, "ReloadBlade"},
        {&g_seDash, "Dash"}, {&g_seLockFull, "LockFull"}, {&g_seRayEmpty, "RayEmpty"}, {&g_seReloadRay, "ReloadRay"},
        {&g_seBladeReloadPress, "BladeReloadPress"}, {&g_seCutIn, "CutIn"}, {&g_seMenuMove, "MenuMove"},
        {&g_seSnapshot, "Snapshot"}, {&g_seExtend, "Extend"}, {&g_seMessage, "Message"},
        {&g_seMessageFirst, "MessageFirst"}, {&g_seWarningTone, "WarningTone"}, {&g_seWarningTone2, "WarningTone2"},
        {&g_seShotSpecial, "ShotSpecial"}, {&g_seResultCount, "ResultCount"}, {&g_seResultLabel, "ResultLabel"},
        {&g_seClear, "Clear"}, {&g_seEnemyShotRemove, "EnemyShotRemove"}, {&g_seScoreItem, "ScoreItem"}};
    static inline int* const kModels[] = {&g_modelPlayer,   &g_modelSmallEnemy, &g_modelArmouredEnemy, &g_modelMidEnemy,
                                          &g_modelBoss,     &g_modelBit,        &g_modelDuelEnemy,     &g_model121,
                                          &g_modelAura,     &g_modelSection};

    // One-texel stand-ins for every picture the game loads ("#101" to "#357"),
    // in the slots the game's own lists give them: each draw then names its
    // texture and the picture in it (the texel tells the number), and each
    // blit its source rectangle in texels.
    void LoadStandInPictures()
    {
        static const std::vector<std::pair<std::string, std::vector<unsigned char>>> pictures = [] {
            std::vector<std::pair<std::string, std::vector<unsigned char>>> all;
            for (int number = 101; number <= 357; ++number) {
                const auto low = static_cast<unsigned char>(number & 0xFF), high = static_cast<unsigned char>(number >> 8);
                all.emplace_back("#" + std::to_string(number), EncodeTestPng(Png(1, PNG_COLOR_TYPE_RGB, {low, high, 128})));
            }
            return all;
        }();
        for (const auto& [name, picture] : pictures)
            resources.Add("TEXTURE", name.c_str(), picture);
        LoadMasterTextures();
        LoadMoreTextures();
    }

    // Frames until one leaves a play scene (or the limit), journalled; from
    // the first in a play scene on, the keys of each frame and the state after
    // it are kept.
    Journal Run(const Pilot& pilot, int limit)
    {
        Journal journal;
        states.clear();
        held.clear();
        events.Skip();  // what came before the play
        audio->played.clear();
        firstSerial = g_spriteSerial;
        enemies.clear();
        device.digest = Digest();
        device.drawn = 0;
        for (int f = 0; f < limit; ++f) {
            const Before before = Now();
            pilot.help(f);
            const InputState keys = pilot.input(f);
            keyboard.Press(keys);
            RunFrame();
            Note(before, &journal);
            if (f % 60 == 59 || g_scene != before.scene)
                NoteDigests(before, &journal);
            if (g_scene >= 0 || before.scene >= 0) {
                firstStateFrame = states.empty() ? f : firstStateFrame;
                states.push_back(GameState());
                held.push_back(keys);
            }
            if (before.scene >= 0 && g_scene != before.scene)
                break;
        }
        return journal;
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
        const CPlayer& p = *g_player;
        return {g_scene,         g_sceneStep,  g_stepFrame, g_spriteSerial, g_fadeDirection, g_sectionCard,
                g_controlLocked, p.flareActive, Motions(),  p.score,        p.killCount,     p.lives,
                g_freezeFrames,  g_credits};
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
        return dynamic_cast<CCinemaScope*>(s) || dynamic_cast<CShockWave*>(s) ? Described(KindOf(s), s) : "";
    }

    bool Played(int sound) const
    {
        return std::ranges::any_of(audio->played, [sound](const auto& p) { return p.index == sound; });
    }

    void Note(const Before& b, Journal* journal)
    {
        auto add = [&](const std::string& what) { journal->push_back({b.step, b.frame, what}); };
        if (g_scene != b.scene || g_sceneStep != b.step)
            add(g_scene == -2 ? "title"
                              : (g_scene != b.scene ? "scene " + std::to_string(g_scene) + " " : "") + "step " +
                                    std::to_string(g_sceneStep));
        for (const std::string& line : events.NewLines())
            add("event " + line);
        if (g_credits != b.credits)
            add("credits " + std::to_string(g_credits));
        NoteSounds(add);
        if (g_controlLocked != b.locked)
            add(g_controlLocked ? "lock" : "unlock");
        if (g_fadeDirection == 1 && b.fade != 1)
            add("fade out");
        if (g_sectionCard != b.card)
            add(g_sectionCard == -1 ? "card none" : g_sectionCard == g_texClearCard ? "card clear" : "card failed");
        if (g_player->flareActive && !b.flare)
            add("flare");
        if (g_freezeFrames > b.freeze)
            add("freeze " + std::to_string(g_freezeTotal) + " at " + Fixed(g_freezeCentre));
        const CPlayer& p = *g_player;
        if (p.score != b.score || p.killCount != b.kills || p.lives != b.lives)
            add("score " + std::to_string(p.score) + " kills " + std::to_string(p.killCount) + " lives " +
                std::to_string(p.lives) + " gauge " + std::to_string(p.specialGauge));
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
        NoteEnemies(b, add);
        NoteShots(b, add);
        for (const SpriteList* list : {&g_playerAttackList, &g_effectList, &g_glowList, &g_skyList, &g_overlayList,
                                       &g_backLayerList, &g_systemSpriteList})
            for (CSprite* s : *list)
                if (s->serialId >= b.serial)
                    made.Add(KindOf(s).size()), made.Add(s->position), made.Add(s->velocity),
                        made.Add(s->rotation), ++madeCount;
    }

    // The sounds of a frame on one line, each with its volume and pan where not full and centred.
    template <class Add>
    void NoteSounds(Add add) const
    {
        std::string line;
        for (const CountingAudio::Sound& played : audio->played) {
            const auto named = std::ranges::find_if(kSounds, [&](const auto& s) { return *s.first == played.index; });
            line += std::string(line.empty() ? "sound " : ", ") + (named == std::end(kSounds) ? "?" : named->second) +
                    (played.volume != 0 ? " volume " + std::to_string(played.volume) : "") +
                    (played.pan != 0 ? " pan " + std::to_string(played.pan) : "") + (played.looping ? " loop" : "");
        }
        if (!line.empty())
            add(line);
    }

    // Each enemy made in full; then its phases, its death and its removal.
    template <class Add>
    void NoteEnemies(const Before& b, Add add)
    {
        std::map<int, Seen> now;
        for (CSprite* s : g_enemyList) {
            const std::string name = KindOf(s) + "#" + std::to_string(s->serialId - firstSerial);
            const Seen seen{name, s->state, TraitsOf(s).phase};
            if (s->serialId >= b.serial)
                add(Described(name, s));
            else if (enemies.contains(s->serialId) && enemies[s->serialId].phase != seen.phase)
                add(name + " phase " + std::to_string(seen.phase));
            if (enemies.contains(s->serialId) && enemies[s->serialId].state != seen.state)
                add(name + (seen.state == STATE_DYING  ? " dying"
                            : seen.state == STATE_DEAD ? " dead"
                                                       : " state " + std::to_string(seen.state)));
            now[s->serialId] = seen;
        }
        for (const auto& [serial, seen] : enemies)
            if (!now.contains(serial))
                add(seen.name + " gone");
        enemies = std::move(now);
    }

    // The shots a frame made: how many, a digest of all, the first in full.
    template <class Add>
    static void NoteShots(const Before& b, Add add)
    {
        Digest digest;
        int count = 0;
        std::string first;
        for (CSprite* s : g_enemyShotList) {
            if (s->serialId < b.serial)
                continue;
            first = count++ == 0 ? Described(KindOf(s), s, true) : first;
            digest.Add(TraitsOf(s).type), digest.Add(s->position), digest.Add(s->velocity), digest.Add(s->power);
        }
        if (count > 0)
            add("shots " + std::to_string(count) + " #" + digest.Text() + " first " + first);
    }

    void NoteDigests(const Before& b, Journal* journal)
    {
        journal->push_back({b.step, b.frame, "drawn " + std::to_string(device.drawn) + " #" + device.digest.Text() +
                                                 " made " + std::to_string(madeCount) + " #" + made.Text()});
        device.digest = made = Digest();
        device.drawn = madeCount = 0;
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

    // The title first lets the play's last shots fly off. A demo is the
    // first file of demo/, started by the blade in the title and replayed
    // from the frame that starts it, as a play records from the frame of its
    // start. Of the pilot's keys only credit and start reach a replay. That
    // frame ran the title's pass, whose leftovers (the reticle's place) differ
    // from the play's; the frames after must not.
    void PlayBack(const Pilot& pilot, bool asDemo)
    {
        keyboard.Press(InputState());
        for (int i = 0; i < 200; ++i)
            RunFrame();
        std::vector<std::string> files;
        ListFilesInFolder(GetProgramFolder() + "replay", &files);
        ASSERT_EQ(files.size(), 1u);
        world.inputRecord = InputRecord();  // as a fresh start has it: the frames come from the file alone
        if (asDemo) {
            std::filesystem::create_directory(GetProgramFolder() + "demo");
            std::filesystem::rename(files[0], GetProgramFolder() + "demo/" + GetFileNameWithExt(files[0]));
        } else {
            ASSERT_TRUE(StartReplay(files[0]));
            std::remove(files[0].c_str());
        }
        for (size_t i = 0; i < states.size(); ++i) {
            const int f = firstStateFrame + static_cast<int>(i);
            pilot.help(f);
            InputState keys;
            if (asDemo && i == 0)
                keys.blade = 1;
            else
                keys.credit = held[i].credit, keys.start = held[i].start;
            keyboard.Press(keys);
            RunFrame();
            if (!asDemo || i > 0)
                ASSERT_EQ(GameState(), states[i]) << "frame " << f << " of the playback";
        }
    }

    DigestingDevice device;
    GraphicsTestResources resources;
    CountingAudio* audio = new CountingAudio;
    EventsLog events;
    std::vector<std::vector<double>> states;
    std::vector<InputState> held;
    int firstSerial = 0, madeCount = 0, firstStateFrame = 0;
    std::map<int, Seen> enemies;
    Digest made;

protected:
    TestWorld world{&device, std::unique_ptr<AudioDevice>(audio)};

private:
    ScriptedHost keyboard;  // presses the keys of the input controller's device
    CInputControler input{std::unique_ptr<InputDevice>(keyboard.input = new NullInputDevice)};
};
