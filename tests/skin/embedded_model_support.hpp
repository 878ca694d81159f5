#pragma once
// The model of the skin the build embeds, read once for the frame and control tests.

#include "skin/embedded_skin.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_model_reader.hpp"
#include "skin/skin_stream.hpp"

namespace tips::skin::testing {

inline const TSkinData& EmbeddedModel() {
    static const TSkinData model =
        ReadSkinModel(SkinArchive(DecodeSkinFile(ReadSkinStream(EmbeddedSkinStream()).skinFile)));
    return model;
}

}  // namespace tips::skin::testing
