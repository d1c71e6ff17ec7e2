// Every mesh the game loads and the pictures their materials name. Each
// textured model paints its own picture; the picture id is the number in the
// material's texture file name (TEXTUREM "#201" is "201.png"), 100 above
// the model's own; the ground tiles share one.
#pragma once

#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/meshes/Mesh.h"

inline constexpr int kPlayerPicture = 201;
inline constexpr int kSmallEnemyPicture = 203;
inline constexpr int kArmouredEnemyPicture = 206;
inline constexpr int kMidEnemyPicture = 210;
inline constexpr int kBitPicture = 220;
inline constexpr int kDuelEnemyPicture = 204;
inline constexpr int kBossPicture = 222;
inline constexpr int kSectionModelPicture = 219;
inline constexpr int kGroundPicture = 216;

Mesh BuildPlayerShip();
Picture PaintPlayerShip();
Mesh BuildSmallEnemy();
Picture PaintSmallEnemy();
Mesh BuildArmouredEnemy();
Picture PaintArmouredEnemy();
Mesh BuildMidEnemy();
Picture PaintMidEnemy();
Mesh BuildBit();
Picture PaintBit();
Mesh BuildDuelEnemy();
Picture PaintDuelEnemy();
Mesh BuildBoss();
Picture PaintBoss();
Mesh BuildMagazine();
Mesh BuildAuraShell();
Mesh BuildSectionModel();
Picture PaintSectionModel();
Mesh BuildGroundTile();
Mesh BuildDomeTile();
Mesh BuildMastTile();
Picture PaintGround();
Mesh BuildSectionGround();
Mesh BuildWireTerrain();
