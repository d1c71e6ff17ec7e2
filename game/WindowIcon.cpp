#include "game/WindowIcon.h"

#include "engine/BmpImage.h"
#include "engine/ResourceLoader.h"
#include "platform/ProgramHost.h"
#include "platform/Resources.h"

#include <vector>

void SetWindowIcon(ProgramHost& host)
{
    size_t size = 0;
    const unsigned char* png = LockResourceData("#101", "ICON", &size);
    std::vector<unsigned char> bmp;
    Image icon;
    if (!png || !ConvertPngToBmp(&bmp, png, size) || !DecodeBmp(&icon, bmp.data(), bmp.size(), true))
        return;
    host.SetIcon(icon.width, icon.height, icon.pixels.data());
}
