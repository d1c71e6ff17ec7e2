// BMP decoding: a decoded image has the size its header gives, every pixel
// set, and no colour-key pixel left when the key is asked for.
#include "engine/BmpImage.h"
#include "engine/ByteOrder.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const bool colourKey : {false, true}) {
        Image image;
        if (!DecodeBmp(&image, data, size, colourKey))
            return 0;
        FuzzCheck(image.width == static_cast<int32_t>(LoadLe32(data + 18)) &&
                      image.height == static_cast<int32_t>(LoadLe32(data + 22)),
                  "the image has the header's size");
        FuzzCheck(image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height),
                  "one pixel per place");
        for (uint32_t pixel : image.pixels)
            FuzzCheck(pixel >> 24 == 0xFF ? !colourKey || pixel != kColourKey : colourKey && pixel == 0,
                      "pixels are opaque, or keyed out to transparent black");
    }
    return 0;
}
