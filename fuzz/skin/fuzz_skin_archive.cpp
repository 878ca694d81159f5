// Archive bytes of any shape: opening either fails with a format error or gives entries that all lie
// inside the bytes; every lookup stays inside them too.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/skin_archive.hpp"
#include "skin/skin_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Half the inputs get a valid version so the fuzzer spends its time past the header.
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size >= 4 && (data[0] & 1) == 0) {
        bytes[0] = 0x20;
        bytes[1] = 0x4E;
        bytes[2] = 0;
        bytes[3] = 0;
    }
    try {
        const tips::skin::SkinArchive archive(std::move(bytes));
        std::size_t total = 0;
        for (const auto& entry : archive.Entries()) {
            if (entry.offset + entry.size > archive.Size()) std::abort();
            const auto found = archive.Find(entry.name);
            if (found == nullptr) std::abort();
            for (const auto byte : archive.Data(*found)) total += byte;
        }
        if (const auto* ini = archive.FindIni()) total += archive.Text(*ini).size();
        if (total == 1) return 0;  // keeps the reads from being optimised away
    } catch (const tips::skin::ESkinFormatError&) {
    }
    return 0;
}
