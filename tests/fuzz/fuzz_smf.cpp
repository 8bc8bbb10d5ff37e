// Standard MIDI Files: any bytes are refused or merged into an image that
// merges again into itself, and that the stream encoding walks to its end
// marker in buffers of the player's size without ever standing still.
#include "FuzzCheck.h"

#include "sound/MidiEncode.h"
#include "sound/Smf.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> file(data, data + size);
    const std::vector<std::uint8_t> image = cSmf::Init(file, "fuzz.mid");
    if (image.empty()) return 0;
    FuzzRequire(image.size() >= kSmfImageHeader + 4, "an image without its end marker");
    FuzzRequire(cSmf::Init(image, "image.mid") == image, "a merged image does not merge into itself");
    const std::size_t end = image.size();
    std::vector<std::uint8_t> buffer(24000);
    std::uint32_t carried = 0;
    std::size_t pos = kSmfImageHeader;
    bool ended = false;
    while (!ended && pos < end) {
        const cStreamFill fill = FillStreamBuffer(image, pos, end, buffer.data(), buffer.size(), carried);
        FuzzRequire(fill.consumed > 0, "a buffer fill took nothing");
        FuzzRequire(fill.written <= buffer.size(), "a buffer fill overran");
        pos += fill.consumed;
        ended = fill.ended;
    }
    FuzzRequire(ended && pos == end, "the stream did not end at the end marker");
    return 0;
}
