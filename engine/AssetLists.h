// The master asset lists: one global handle per texture, sound and mesh that
// is loaded at start-up (the slot index, -1 while not loaded), and the four
// functions that fill them in their fixed order.
#pragma once

// Textures (LoadMasterTextures).
extern int g_texDigits[10];
extern int g_texBigDigits[10];
extern int g_texExplosion[16];
extern int g_texHud101;
extern int g_texHud237;
extern int g_texPlayerShot;
extern int g_texEnemyShot;
extern int g_texLockedMarker;
extern int g_texStageLabel;
extern int g_tex248;
extern int g_texStageTitle;
extern int g_texWarning;
extern int g_texFreezeFlash;
extern int g_tex111;
extern int g_texGlow;
extern int g_texHud247;
extern int g_texBlade;
extern int g_texHudStrip[3]; // by automatic reload + 1
extern int g_texHud312;
extern int g_tex317;
extern int g_texHud323;
extern int g_texCutIn;
extern int g_texHud170;
extern int g_texHud191;
extern int g_texHud164;
extern int g_texHud184;
extern int g_texHud327;
extern int g_texScoreItemMarker;
extern int g_texHud104;
extern int g_texBossFlash;
extern int g_texClearBanner;
extern int g_texFailedBanner;
extern int g_tex343;
extern int g_texDifficulty[2]; // by difficulty + 1
extern int g_texHud229;
extern int g_texHud230;
extern int g_texHud231;
extern int g_texResultLabels[4];
extern int g_texBackTile;
extern int g_texHud257;
extern int g_texHud258;
extern int g_texIconEnemy;
extern int g_texIconBoss;
extern int g_texIconSmall;

// Textures (LoadMoreTextures).
extern int g_texSkybox2[5];
extern int g_tex328;
extern int g_texSkybox[6];
extern int g_texMessageText[2];
extern int g_texGround;
extern int g_texMuzzleFlash;

// Sounds (LoadMasterSounds).
extern int g_seEnemyExplode;
extern int g_seBossDie;
extern int g_seBitExplode;
extern int g_seEnemyDie;
extern int g_seLock;
extern int g_seBossExplode;
extern int g_seBigExplode;
extern int g_seLaserHit;
extern int g_sePlayerDie;
extern int g_seEnemyFire;
extern int g_seRayFire;
extern int g_seShotHit;
extern int g_seEntry;
extern int g_seSpecial;
extern int g_seShot;
extern int g_seLaserHit2;
extern int g_seBladeSwing;
extern int g_seMidEnemyFire;
extern int g_seCredit;
extern int g_seHeavyFire;
extern int g_seLaserHit3;
extern int g_seRefused;
extern int g_seBladeHit;
extern int g_seBladeHit2;
extern int g_seRaySpecial;
extern int g_se132;
extern int g_seBeam;
extern int g_seGameOver;
extern int g_se137;
extern int g_seReloadShot;
extern int g_seShotEmpty;
extern int g_seReloadBlade;
extern int g_se141;
extern int g_se142;
extern int g_seDash;
extern int g_seLockFull;
extern int g_seRayEmpty;
extern int g_seReloadRay;
extern int g_seBladeReloadPress;
extern int g_seCutIn;
extern int g_se159;
extern int g_seMenuMove;
extern int g_seSnapshot;
extern int g_seExtend;
extern int g_seMessage;
extern int g_seMessageFirst;
extern int g_se164;
extern int g_seWarningTone;
extern int g_seWarningTone2;
extern int g_seShotSpecial;
extern int g_se167;
extern int g_seResultCount;
extern int g_seResultLabel;
extern int g_seClear;
extern int g_seEnemyShotRemove;
extern int g_seScoreItem;
extern int g_bgmTitle;

// Meshes (LoadMasterModels).
extern int g_modelPlayer;
extern int g_modelSmallEnemy;
extern int g_modelArmouredEnemy;
extern int g_modelMidEnemy;
extern int g_modelBoss;
extern int g_modelBit;
extern int g_modelDuelEnemy;
extern int g_model121;
extern int g_modelAura;
extern int g_modelSection;

// Each list loads through g_graphics or g_sound and is run once at start-up,
// in this order, around the loading screen.
void LoadMasterTextures();
void LoadMoreTextures();
void LoadMasterSounds();
void LoadMasterModels();
