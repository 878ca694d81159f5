#include "store/blob_stream_buffer.hpp"

#include "store/memory_blob_stream.hpp"

namespace tips::store {

TBlobStreamBuffer::int_type TBlobStreamBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const std::size_t count = blob_.Read(chunk_.data(), chunk_.size());
    if (count == 0) return traits_type::eof();
    setg(chunk_.data(), chunk_.data(), chunk_.data() + count);
    return traits_type::to_int_type(*gptr());
}

TBlobStreamBuffer::int_type TBlobStreamBuffer::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    const char byte = traits_type::to_char_type(ch);
    return xsputn(&byte, 1) == 1 ? ch : traits_type::eof();
}

std::streamsize TBlobStreamBuffer::xsputn(const char* text, std::streamsize count) {
    if (count <= 0) return 0;
    // Writing goes where the reader stands, not past what it read ahead.
    if (ReadAhead() > 0) blob_.Seek(-ReadAhead(), TSeekOrigin::soFromCurrent);
    setg(nullptr, nullptr, nullptr);
    return static_cast<std::streamsize>(blob_.Write(text, static_cast<std::size_t>(count)));
}

TBlobStreamBuffer::pos_type TBlobStreamBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                                       std::ios_base::openmode) {
    TSeekOrigin origin = TSeekOrigin::soFromBeginning;
    if (direction == std::ios_base::cur) {
        origin = TSeekOrigin::soFromCurrent;
        offset -= ReadAhead();
    } else if (direction == std::ios_base::end) {
        origin = TSeekOrigin::soFromEnd;
    }
    setg(nullptr, nullptr, nullptr);
    return pos_type(blob_.Seek(offset, origin));
}

TBlobStreamBuffer::pos_type TBlobStreamBuffer::seekpos(pos_type position, std::ios_base::openmode which) {
    return seekoff(off_type(position), std::ios_base::beg, which);
}

}  // namespace tips::store
