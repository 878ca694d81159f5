#pragma once
// TSkinSource's skin: the stored `SkinStream` property, loading it into the skin model, and `SkinFile`,
// a skin file on disk that replaces it at run time. Drawing from the model is the frame skinning's job.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_data.hpp"
#include "skin/skin_source_properties.hpp"

namespace tips::skin {

class TSkinSource {
public:
    // Reads the stored property (u32 length, then the skin file) into the skin buffer and, outside
    // design time, loads the skin at once. Returns the bytes consumed. Throws ESkinFormatError when the
    // stored bytes are shorter than their length says.
    std::size_t ReadSkinStream(std::span<const std::uint8_t> stored);
    std::vector<std::uint8_t> WriteSkinStream() const;

    // Decodes the buffer, opens the archive, reads its INI text and builds the model. Returns whether a
    // skin was loaded. A wrong archive version shows the "older skin file" message through
    // OnShowMessage; damaged data loads nothing (LastError() says why). An empty buffer loads nothing.
    bool LoadSkin();

    bool SkinLoaded() const { return skinData_ != nullptr; }
    const TSkinData* SkinData() const { return skinData_.get(); }
    const std::vector<std::uint8_t>& SkinBuffer() const { return buffer_; }
    const std::string& LastError() const { return lastError_; }

    // At run time an existing file's bytes replace the skin buffer, the skin is loaded and, when that
    // worked, OnSkinFileLoaded asks for the skin to be applied to every window. At design time, or when
    // the file does not exist, only the name is kept.
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(std::string fileName);

    // Designer display only: "(Good)" at design time with a skin in the buffer, else "(none)".
    std::string SkinStore() const;
    void SetSkinStore(std::string_view) {}  // writing it has no effect

    // The switches that steer the frame and control skinning.
    TSkinSourceProperties Properties;
    bool Designing = false;
    // Shows a text in a plain message box (the window side supplies it).
    std::function<void(const std::string& text)> OnShowMessage;
    std::function<void()> OnSkinFileLoaded;

private:
    std::vector<std::uint8_t> buffer_;
    std::unique_ptr<TSkinData> skinData_;
    std::string skinFile_;
    std::string lastError_;
};

}  // namespace tips::skin
