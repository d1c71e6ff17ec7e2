// Scrambled resources through the loaders the game uses: the first byte
// picks the type (texture, mesh texture, mesh, sound), the rest is the stored
// form. Unscrambling is its own inverse; a texture has a size a texture can
// have; a mesh has as many textures as materials; a sound fills one slot.
#include "engine/BmpImage.h"
#include "engine/Model.h"
#include "engine/ResourceLoader.h"
#include "engine/SoundSystem.h"
#include "engine/TextureLoader.h"
#include "fuzz/FuzzCheck.h"
#include "platform/NullAudioDevice.h"
#include "platform/NullGraphicsDevice.h"
#include "platform/Resources.h"

#include <memory>
#include <vector>

namespace {

const char* const kTypes[] = {"TEXTURE", "TEXTUREM", "MODEL", "SE"};

void CheckUnscrambling(const unsigned char* stored, size_t size, const char* type)
{
    const std::vector<unsigned char> plain = ReadResource(type, "#1");
    FuzzCheck(plain.size() == size, "the copy has the stored length");
    std::vector<unsigned char> again(size);
    UnscrambleResource(again.data(), plain.data(), static_cast<int>(size));
    FuzzCheck(again == std::vector<unsigned char>(stored, stored + size), "scrambling gives the stored bytes back");
}

void LoadAs(const char* type)
{
    NullGraphicsDevice device;
    if (type == kTypes[2]) {
        CModel model(&device);
        if (model.LoadFromResource("#1", type))
            FuzzCheck(model.VertexCount() > 0 && model.FaceCount() > 0, "a mesh has triangles");
        return;
    }
    if (type == kTypes[3]) {
        // One for the whole run: releasing a sound system writes the device log.
        static NullAudioDevice* audio = new NullAudioDevice();
        static SoundSystem* sound = new SoundSystem(std::unique_ptr<NullAudioDevice>(audio));
        int slot = -1;
        sound->Load(&slot, "#1", type);
        FuzzCheck(slot == -1 || sound->IsLoaded(slot), "a sound fills the slot it names");
        if (slot != -1)
            audio->ReleaseBuffer(slot);
        return;
    }
    int width = 0, height = 0;
    const TextureId texture = CreateTextureFromResource(&device, type, "#1", type == kTypes[0], &width, &height);
    FuzzCheck(texture == kNoTexture ? width == 0 && height == 0
                                    : width >= 1 && width <= kMaxImageSide && height >= 1 && height <= kMaxImageSide,
              "a texture has a size a texture can have");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const char* type = kTypes[data[0] % 4];
    const EmbeddedResource resource{type, "#1", data + 1, size - 1};
    ClearResources();
    RegisterResources(&resource, 1);
    CheckUnscrambling(data + 1, size - 1, type);
    LoadAs(type);
    ClearResources();
    return 0;
}
