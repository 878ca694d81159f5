#include "platform/win32/clipboard_win32.hpp"

#include <cstring>
#include <string>
#include <utility>

namespace tips::platform {
namespace {

// A movable global memory block, freed unless the clipboard took it over.
class TGlobalBlock {
public:
    explicit TGlobalBlock(std::size_t size) : handle_(GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size)) {}
    ~TGlobalBlock() {
        if (handle_ != nullptr) GlobalFree(handle_);
    }
    TGlobalBlock(const TGlobalBlock&) = delete;
    TGlobalBlock& operator=(const TGlobalBlock&) = delete;

    HGLOBAL Get() const { return handle_; }
    HGLOBAL Release() { return std::exchange(handle_, nullptr); }

private:
    HGLOBAL handle_;
};

// Locks a global memory block for its lifetime.
class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL handle) : handle_(handle), data_(GlobalLock(handle)) {}
    ~TGlobalLock() {
        if (data_ != nullptr) GlobalUnlock(handle_);
    }
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;

    void* Data() const { return data_; }

private:
    HGLOBAL handle_;
    void* data_;
};

}  // namespace

TClipboardFormat TWin32Clipboard::RegisterFormat(std::string_view name) {
    const std::string terminated(name);
    return RegisterClipboardFormatA(terminated.c_str());
}

bool TWin32Clipboard::HasFormat(TClipboardFormat format) const { return IsClipboardFormatAvailable(format) != 0; }

bool TWin32Clipboard::Open() { return OpenClipboard(owner_) != 0; }

void TWin32Clipboard::Close() { CloseClipboard(); }

bool TWin32Clipboard::Clear() { return EmptyClipboard() != 0; }

bool TWin32Clipboard::SetData(TClipboardFormat format, std::string_view bytes) {
    TGlobalBlock block(bytes.size());
    if (block.Get() == nullptr) return false;
    {
        const TGlobalLock lock(block.Get());
        if (lock.Data() == nullptr) return false;
        if (!bytes.empty()) std::memcpy(lock.Data(), bytes.data(), bytes.size());
    }
    if (SetClipboardData(format, block.Get()) == nullptr) return false;
    block.Release();  // the clipboard owns it now
    return true;
}

std::optional<std::string> TWin32Clipboard::GetData(TClipboardFormat format) {
    const HANDLE handle = GetClipboardData(format);
    if (handle == nullptr) return std::nullopt;
    const TGlobalLock lock(handle);
    if (lock.Data() == nullptr) return std::nullopt;
    return std::string(static_cast<const char*>(lock.Data()), GlobalSize(handle));
}

}  // namespace tips::platform
