#include "actors/LandScape.h"

#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/VectorHelpers.h"
#include "platform/Resources.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

enum OwnedModel { kModel111, kModel112, kModel116, kModel115 = 4, kModel118 = 6 };

// Tiles this many cells either way of the scroll position are candidates.
constexpr int kReach = 60;
// Cells a side of the blocks whose tiles draw together.
constexpr int kBlock = 10;
constexpr float kConeDistance = 20.0f;
constexpr double kConeAngle = 0.785398;
constexpr float kTileDepth = 10.0f;

int FloorDiv(int a, int b) { return a / b - (a % b < 0 ? 1 : 0); }

// The repeats k of a span of cells [first, first + extent), repeated every
// size cells, that reach the candidates round the centre c.
std::array<int, 2> RepeatsInReach(int first, int extent, int size, int c)
{
    return {-FloorDiv(first + extent - 1 - (c - kReach), size), FloorDiv(c + kReach - first, size)};
}

// Brings a scroll offset back into [0, size] by whole grid sizes.
float WrapOffset(float v, float size)
{
    if (!std::isfinite(v))
        return v;
    while (v < 0.0f)
        v += size;
    while (v > size)
        v -= size;
    return v;
}

int DigitValue(unsigned char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

}  // namespace

CLandScape::CLandScape()
{
    std::fill(std::begin(digitModels), std::end(digitModels), -1);
    std::fill(std::begin(ownedModels), std::end(ownedModels), -1);
}

CLandScape::~CLandScape() = default;

void CLandScape::SetupScene(int id, int width, int height)
{
    DropBlocks();
    gridWidth = std::clamp(width, 0, kMaxGrid);
    gridHeight = std::clamp(height, 0, kMaxGrid);
    ReleaseModels();
    if (width == 0 && height == 0)
        SetVelocity(0.0f, 0.0f, 0.0f);
    switch (id) {
    case -1:
        singleModel = -1;
        break;
    case 10:
        gridWidth = gridHeight = 0;
        singleModelMode = true;
        groundOffset = {};
        g_graphics->LoadMesh(&ownedModels[kModel118], "#118", "MODEL");
        singleModel = ownedModels[kModel118];
        position = {};
        break;
    case 100:
        singleModelMode = false;
        groundOffset = {0.0f, 0.0f, kTileDepth};
        g_graphics->LoadMesh(&ownedModels[kModel111], "#111", "MODEL");
        g_graphics->LoadMesh(&ownedModels[kModel112], "#112", "MODEL");
        digitModels[1] = ownedModels[kModel111];
        digitModels[2] = ownedModels[kModel112];
        singleModel = -1;
        LoadMapGrid("#101");
        position = {20.0f, 0.0f, 0.0f};
        velocity = {0.0f, 0.5f, 0.0f};
        break;
    case 11:
        singleModelMode = false;
        groundOffset = {0.0f, 0.0f, kTileDepth};
        g_graphics->LoadMesh(&ownedModels[kModel116], "#116", "MODEL");
        digitModels[1] = ownedModels[kModel116];
        digitModels[2] = ownedModels[kModel116];
        LoadMapGrid("#102");
        singleModel = -1;
        position = {50.0f, 0.0f, 0.0f};
        g_graphics->SetFogColor(64, 82, 138);
        g_graphics->SetFogRange(10.0f, 50.0f);
        break;
    case 12:
        gridWidth = gridHeight = kMaxGrid;
        Clear();
        singleModelMode = true;
        groundOffset = {};
        g_graphics->LoadMesh(&ownedModels[kModel115], "#115", "MODEL");
        singleModel = ownedModels[kModel115];
        LoadMapGrid("#103");
        velocity = {0.0f, 0.1f, 0.0f};
        break;
    default:
        break;
    }
}

// Line ends (CR and LF) are skipped; cells past the end of the text stay empty.
void CLandScape::LoadMapGrid(const char* name)
{
    DropBlocks();
    size_t size = 0;
    const unsigned char* text = LockResourceData(name, "MAP", &size);
    size_t read = 0;
    for (int row = gridHeight - 1; row >= 0; --row) {
        for (int column = 0; column < gridWidth; ++column) {
            while (read < size && (text[read] == '\r' || text[read] == '\n'))
                ++read;
            const int value = read < size ? DigitValue(text[read++]) : 0;
            cells[column * kMaxGrid + row] = static_cast<uint8_t>(value);
        }
    }
}

void CLandScape::Clear()
{
    DropBlocks();
    for (int x = 0; x < gridWidth; ++x)
        std::fill_n(cells + x * kMaxGrid, gridHeight, 0);
    std::fill(std::begin(digitModels), std::end(digitModels), -1);
    singleModel = -1;
}

void CLandScape::ReleaseModels()
{
    DropBlocks();
    for (int& model : ownedModels)
        g_graphics->ReleaseMesh(&model);
}

void CLandScape::Draw()
{
    Matrix ground;
    g_groundTransform->GetWorldMatrix(&ground);
    if (singleModel != -1)
        DrawSingleModel(ground);
    if (gridWidth != 0 && gridHeight != 0)
        DrawTiles(ground);
}

void CLandScape::DrawSingleModel(const Matrix& ground)
{
    const Matrix world = MatrixMultiply(MatrixTranslation(-position.x, -position.y, -position.z), ground);
    g_graphics->SetCulling(0);
    g_graphics->SetFog(0);
    g_graphics->SetWireframe(1);
    g_graphics->DrawMesh(singleModel, world);
    g_graphics->SetWireframe(0);
}

void CLandScape::DrawTiles(const Matrix& ground)
{
    if (!blocksBuilt)
        BuildBlocks();
    const int cx = static_cast<int>(position.x);
    const int cy = static_cast<int>(position.y);
    Matrix groundInverse;
    MatrixInverse(&groundInverse, ground);
    const Vec3 camera = Vec3TransformNormal(g_camera->rotation - g_camera->position, groundInverse);
    g_graphics->SetBlendMode(0);
    g_graphics->SetCulling(1);
    g_graphics->SetFog(1);
    g_graphics->SetCameraMode(45);
    for (const Block& block : blocks) {
        const auto [firstRow, lastRow] = RepeatsInReach(block.y, block.height, gridHeight, cy);
        const auto [firstColumn, lastColumn] = RepeatsInReach(block.x, block.width, gridWidth, cx);
        for (int row = firstRow; row <= lastRow; ++row)
            for (int column = firstColumn; column <= lastColumn; ++column)
                DrawBlock(block, block.x + column * gridWidth, block.y + row * gridHeight, camera, ground);
    }
    if (!singleModelMode)
        WrapPosition();
}

void CLandScape::DrawBlock(const Block& block, int ox, int oy, const Vec3& camera, const Matrix& ground)
{
    const Matrix world = MatrixMultiply(
        MatrixTranslation(static_cast<float>(ox) - position.x, static_cast<float>(oy) - position.y, groundOffset.z),
        ground);
    for (const BlockPart& part : block.parts) {
        shown.clear();
        for (size_t i = 0; i < part.cells.size(); ++i) {
            const int x = ox + part.cells[i][0];
            const int y = oy + part.cells[i][1];
            const Vec3 p{static_cast<float>(x) - position.x, static_cast<float>(y) - position.y, groundOffset.z};
            if (InReach(x, y) && InCone(camera, p))
                shown.push_back(static_cast<int>(i));
        }
        if (!shown.empty())
            g_graphics->DrawMeshCopies(part.model, part.copies, shown, world);
    }
}

bool CLandScape::InReach(int x, int y) const
{
    return std::abs(x - static_cast<int>(position.x)) <= kReach && std::abs(y - static_cast<int>(position.y)) <= kReach;
}

void CLandScape::BuildBlocks()
{
    for (int y = 0; y < gridHeight; y += kBlock)
        for (int x = 0; x < gridWidth; x += kBlock)
            blocks.push_back(MakeBlock(x, y));
    blocksBuilt = true;
}

CLandScape::Block CLandScape::MakeBlock(int x0, int y0) const
{
    Block block{x0, y0, std::min(kBlock, gridWidth - x0), std::min(kBlock, gridHeight - y0), {}};
    for (int y = 0; y < block.height; ++y) {
        for (int x = 0; x < block.width; ++x) {
            const int model = digitModels[Cell(x0 + x, y0 + y)];
            if (Cell(x0 + x, y0 + y) == 0 || model == -1)
                continue;
            auto part = std::find_if(block.parts.begin(), block.parts.end(),
                                     [model](const BlockPart& each) { return each.model == model; });
            if (part == block.parts.end())
                part = block.parts.insert(part, BlockPart{model, -1, {}});
            part->cells.push_back({x, y});
        }
    }
    for (BlockPart& part : block.parts) {
        std::vector<Vec3> offsets;
        for (const auto& [x, y] : part.cells)
            offsets.push_back({static_cast<float>(x), static_cast<float>(y), 0.0f});
        part.copies = g_graphics->AddMeshCopies(part.model, offsets);
    }
    return block;
}

void CLandScape::DropBlocks()
{
    for (const Block& block : blocks)
        for (const BlockPart& part : block.parts)
            g_graphics->ReleaseMeshCopies(part.model);
    blocks.clear();
    blocksBuilt = false;
}

// The tile is pulled toward the camera direction by at most 20 units; it is
// drawn when that point lies within 45 degrees of the camera direction.
bool CLandScape::InCone(const Vec3& camera, const Vec3& p)
{
    Vec3 d = camera - p;
    if (VecLength(&d) > kConeDistance)
        VecNormalizeScale(&d, kConeDistance);
    const Vec3 q = p + d;
    return AngleBetween(&camera, &q) <= kConeAngle;
}

void CLandScape::WrapPosition()
{
    position.x = WrapOffset(position.x, static_cast<float>(gridWidth));
    position.y = WrapOffset(position.y, static_cast<float>(gridHeight));
}
