// The ground under the playfield: one large model drawn in wireframe, or an
// endless field of tiles, one mesh per cell of a grid of digits read from a
// "MAP" resource, repeated both ways and scrolled by the object's velocity.
// position is the scroll offset of the tile field.
#pragma once

#include "engine/Sprite.h"

#include <array>
#include <cstdint>
#include <vector>

class CLandScape : public CSprite {
public:
    static constexpr int kMaxGrid = 100;

    CLandScape();
    ~CLandScape() override;

    // Configures the ground for a scene: -1 none, 10 the section model,
    // 11 the stage 0 tiles; 100 and 12 are kept for their grids.
    void SetupScene(int id, int width, int height);
    // Reads the grid from the "MAP" resource: first line the top row.
    void LoadMapGrid(const char* name);
    void Clear();
    void ReleaseModels();
    void Draw() override;

    // Cell (x, y); x and y already wrapped into the grid.
    int Cell(int x, int y) const { return cells[x * kMaxGrid + y]; }

    // z is the depth of the tile plane in ground space.
    Vec3 groundOffset;
    // One model and no wrapping of position.
    bool singleModelMode = false;
    int gridWidth = 0, gridHeight = 0;
    // Cell (x, y) at x × 100 + y, whatever the width.
    uint8_t cells[kMaxGrid * kMaxGrid] = {};
    int digitModels[256];
    int singleModel = -1;
    // "#111", "#112", "#116", unused, "#115", unused, "#118".
    int ownedModels[7];

private:
    // The cells of one model in a block, in the order of that model's copies there.
    struct BlockPart {
        int model = -1;
        int copies = -1;
        std::vector<std::array<int, 2>> cells;
    };
    // A block of the grid, its first cell and size: the tiles of each of its
    // parts draw together, since the grid stays as it is through a scene.
    struct Block {
        int x = 0, y = 0, width = 0, height = 0;
        std::vector<BlockPart> parts;
    };

    void DrawSingleModel(const Matrix& ground);
    void DrawTiles(const Matrix& ground);
    void BuildBlocks();
    Block MakeBlock(int x0, int y0) const;
    // Forgets the blocks and releases their copies, before the cells or models change.
    void DropBlocks();
    // The block repeated with its first cell at ox, oy.
    void DrawBlock(const Block& block, int ox, int oy, const Vec3& camera, const Matrix& ground);
    // Whether the tile at p lies within the view cone around the camera direction.
    static bool InCone(const Vec3& camera, const Vec3& p);
    // Whether the cell x, y (not wrapped) is a candidate round the scroll position.
    bool InReach(int x, int y) const;
    void WrapPosition();

    std::vector<Block> blocks;
    bool blocksBuilt = false;
    std::vector<int> shown;
};
