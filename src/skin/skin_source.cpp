#include "skin/skin_source.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_model_reader.hpp"
#include "skin/skin_stream.hpp"
#include "skin/skin_texts.hpp"

namespace tips::skin {

std::size_t TSkinSource::ReadSkinStream(std::span<const std::uint8_t> stored) {
    const SkinStreamView view = skin::ReadSkinStream(stored);
    buffer_.assign(view.skinFile.begin(), view.skinFile.end());
    if (!Designing) LoadSkin();
    return view.consumed;
}

std::vector<std::uint8_t> TSkinSource::WriteSkinStream() const { return skin::WriteSkinStream(buffer_); }

bool TSkinSource::LoadSkin() {
    skinData_.reset();
    lastError_.clear();
    if (buffer_.empty()) return false;
    try {
        SkinArchive archive(DecodeSkinFile(buffer_));
        skinData_ = std::make_unique<TSkinData>(ReadSkinModel(archive));
    } catch (const ESkinVersionError&) {
        lastError_ = texts::kOlderSkinFile;
        if (OnShowMessage) OnShowMessage(texts::kOlderSkinFile);
    } catch (const ESkinFormatError& e) {
        lastError_ = e.what();
    }
    return SkinLoaded();
}

void TSkinSource::SetSkinFile(std::string fileName) {
    if (fileName == skinFile_) return;
    skinFile_ = std::move(fileName);
    if (Designing || skinFile_.empty()) return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(skinFile_), ec)) return;
    std::ifstream in(skinFile_, std::ios::binary);
    if (!in) return;
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Windows drawn from the skin in use refer to it: it stays alive until they were given the new one,
    // and stays in use when the file holds no skin that loads.
    std::vector<std::uint8_t> previousBuffer = std::exchange(buffer_, std::move(bytes));
    std::unique_ptr<TSkinData> previousSkin = std::move(skinData_);
    if (LoadSkin()) {
        if (OnSkinFileLoaded) OnSkinFileLoaded();
        return;
    }
    if (previousSkin) {
        buffer_ = std::move(previousBuffer);
        skinData_ = std::move(previousSkin);
    }
}

std::string TSkinSource::SkinStore() const { return Designing && !buffer_.empty() ? "(Good)" : "(none)"; }

}  // namespace tips::skin
