// Feeds arbitrary bytes to the stored-skin loader. The first byte chooses the
// road: even, the rest is an inflated stored-skin stream; odd, the rest is the
// compressed bytes a form holds (zlib stream) and, as a compressed skin file,
// goes through the import parser too. A load may fail but must neither crash,
// leak nor leave a half-loaded skin behind.

#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::span<const std::uint8_t> bytes(data + 1, size - 1);
    skin::TbsSkinData skinData;
    int reports = 0;
    skinData.OnLoadError = [&](const std::string&) { ++reports; };

    if (data[0] % 2 == 0) {
        skinData.LoadFromStoredSkinStream(bytes);
    } else {
        skin::TbsCompressedStoredSkin stored;
        stored.SetCompressedData(bytes);
        skinData.LoadFromStoredSkin(stored);
        try {
            skin::ParseCompressedSkinFile(bytes);
        } catch (const io::FormatError&) {
        }
    }

    // Either a whole skin or an empty one, and an error is reported at most once.
    if (reports > 1 || (skinData.IsEmpty() && !skinData.SkinControls().empty()))
        std::abort();
    return 0;
}
