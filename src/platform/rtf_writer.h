#pragma once

#include <string>

#include "platform/rich_text.h"

namespace tavrel {

// RTF that the Windows rich-text control, LibreOffice and Qt all open: GBK text as \'hh with
// code page 936, characters GBK cannot hold as \uN (with a '?' for readers that skip it).
std::string WriteRtf(const RichTextDocument& document);

}  // namespace tavrel
