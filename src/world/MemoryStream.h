// A file's bytes with a read position: what the map tokenizer reads from.
#pragma once

#include "resources/Extractor.h"

#include <cstddef>
#include <cstdint>
#include <utility>

class TMemoryStream {
public:
    explicit TMemoryStream(TBytes bytes) : data_(std::move(bytes)) {}
    // False at the end of the data; the position then stays at the size.
    bool ReadByte(uint8_t& byte) {
        if (position_ >= data_.size()) return false;
        byte = data_[position_++];
        return true;
    }
    size_t Position() const { return position_; }
    size_t Size() const { return data_.size(); }
    void SetPosition(size_t position) { position_ = position < data_.size() ? position : data_.size(); }

private:
    TBytes data_;
    size_t position_ = 0;
};
