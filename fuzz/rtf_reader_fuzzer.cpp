// Any bytes read as RTF must neither crash nor lose text when written out and read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/rich_text.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tavrel::RichTextDocument document = tavrel::ReadRtf(bytes);
    const tavrel::RichTextDocument again = tavrel::ReadRtf(tavrel::WriteRtf(document));
    if (tavrel::PlainText(again) != tavrel::PlainText(document)) __builtin_trap();
    return 0;
}
