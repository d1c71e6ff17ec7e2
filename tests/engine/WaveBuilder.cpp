#include "WaveBuilder.h"

#include "engine/ByteOrder.h"

namespace {

void Put32(Bytes* v, uint32_t x) {
    v->resize(v->size() + 4);
    StoreLe32(v->data() + v->size() - 4, x);
}

void Put16(Bytes* v, uint16_t x) {
    v->resize(v->size() + 2);
    StoreLe16(v->data() + v->size() - 2, x);
}

}  // namespace

void PutChunk(Bytes* image, const char* id, const Bytes& body) {
    image->insert(image->end(), id, id + 4);
    Put32(image, static_cast<uint32_t>(body.size()));
    image->insert(image->end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        image->push_back(0);
    }
}

Bytes FmtBody(const WaveFmt& fmt) {
    Bytes body;
    Put16(&body, fmt.tag);
    Put16(&body, fmt.channels);
    Put32(&body, fmt.rate);
    Put32(&body, fmt.rate * fmt.blockAlign);
    Put16(&body, fmt.blockAlign);
    Put16(&body, fmt.bits);
    body.resize(body.size() + fmt.extra);
    return body;
}

Bytes Riff(const Bytes& chunks) {
    Bytes image = {'R', 'I', 'F', 'F'};
    Put32(&image, static_cast<uint32_t>(chunks.size() + 4));
    image.insert(image.end(), {'W', 'A', 'V', 'E'});
    image.insert(image.end(), chunks.begin(), chunks.end());
    return image;
}

Bytes Wave(const WaveFmt& fmt, const Bytes& data) {
    Bytes chunks;
    PutChunk(&chunks, "fmt ", FmtBody(fmt));
    PutChunk(&chunks, "data", data);
    return Riff(chunks);
}

Bytes MonoWave(const std::vector<int16_t>& samples, uint32_t rate) {
    Bytes data;
    for (int16_t s : samples) {
        Put16(&data, static_cast<uint16_t>(s));
    }
    WaveFmt fmt;
    fmt.channels = 1;
    fmt.rate = rate;
    fmt.blockAlign = 2;
    return Wave(fmt, data);
}
