#pragma once
// A standard stream buffer over a memo stream, so that code written for std::istream and std::ostream
// (the editor's line buffer) reads and writes a memo of the table's working buffer directly.

#include <array>
#include <streambuf>

namespace tips::store {

class TMemoryBlobStream;

class TBlobStreamBuffer : public std::streambuf {
public:
    explicit TBlobStreamBuffer(TMemoryBlobStream& blob) : blob_(blob) {}
    TBlobStreamBuffer(const TBlobStreamBuffer&) = delete;
    TBlobStreamBuffer& operator=(const TBlobStreamBuffer&) = delete;

protected:
    int_type underflow() override;
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

private:
    // Bytes read ahead sit in the get area; the blob's own position is past them.
    off_type ReadAhead() const { return egptr() - gptr(); }

    TMemoryBlobStream& blob_;
    std::array<char, 4096> chunk_{};
};

}  // namespace tips::store
