#include "engine/InputRecord.h"

int InputRecord::Append(const InputState* state) {
    frames_.push_back(*state);
    readCursor_ = static_cast<int>(frames_.size());
    return readCursor_;
}

void InputRecord::ReadNext(InputState* out) {
    if (readCursor_ < static_cast<int>(frames_.size())) {
        out->Copy(&frames_[readCursor_]);
        ++readCursor_;
    }
}

void InputRecord::Clear() {
    frames_.clear();
    Rewind();
}

InputRecord* g_inputRecord = nullptr;
