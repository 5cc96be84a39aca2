// libFuzzer target: any text through the decoder. Beyond crashes and
// sanitizer reports it checks that the incremental decoder agrees with the
// one-shot entry and that whatever decodes encodes and decodes back.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "symbol_codec.h"
#include "symbol_stream.h"
#include "text_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AnsiText text(reinterpret_cast<const char*>(data), size);
    DecodeResult whole = decodeSymbolTextChecked(text);

    // Chunks of 1 to 17 characters, chosen by the input itself.
    std::size_t chunk = size ? 1 + data[0] % 17 : 1;
    SymbolTextDecoder decoder;
    ByteArray bytes;
    for (std::size_t at = 0; at < size; at += chunk) decoder.feed(text.data() + at, std::min(chunk, size - at), bytes);
    CodecStatus status = decoder.finish(bytes);
    if (status != whole.status) __builtin_trap();
    if (status == CodecStatus::Ok && bytes != whole.bytes) __builtin_trap();

    if (whole.status == CodecStatus::Ok && decodeSymbolText(encodeSymbolText(whole.bytes)) != whole.bytes)
        __builtin_trap();

    parseByteList(text);
    textToNumber(text);
    return 0;
}
