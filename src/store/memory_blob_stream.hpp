#pragma once
// A byte stream over one blob value (a memo) of the table's working buffer. Closing a stream that
// wrote anything marks the field modified and tells the controls that the field changed.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tips::store {

class TField;
class TMemoryTable;

enum class TBlobStreamMode { bmRead, bmWrite, bmReadWrite };
enum class TSeekOrigin { soFromBeginning, soFromCurrent, soFromEnd };

class TMemoryBlobStream {
public:
    // Write modes check that the field may be modified and the table is editing; bmWrite empties the value.
    TMemoryBlobStream(TField& field, TBlobStreamMode mode);
    ~TMemoryBlobStream();
    TMemoryBlobStream(const TMemoryBlobStream&) = delete;
    TMemoryBlobStream& operator=(const TMemoryBlobStream&) = delete;

    // Reads up to `count` bytes at the position; answers how many were read.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes `count` bytes at the position, replacing or extending the value.
    std::size_t Write(const void* buffer, std::size_t count);
    // Moves the position (never before the start); answers the new position.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin);

    std::int64_t Size() const;
    std::int64_t Position() const { return position_; }
    // The whole value.
    const std::string& Value() const;

    // Ends the stream now; a stream that wrote notifies here. Errors of the notification go to the
    // table's OnNotificationError and do not propagate.
    void Close();

private:
    TField& field_;
    TMemoryTable& table_;
    TBlobStreamMode mode_;
    std::int64_t position_ = 0;
    bool written_ = false;
    bool closed_ = false;
};

}  // namespace tips::store
