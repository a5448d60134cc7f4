#pragma once

#include <string_view>

#include "platform/rich_text.h"

namespace tavrel {

// Reads RTF as the Windows rich-text control, LibreOffice and Word write it: text in the code
// page of its font (GBK for charset 134 or \ansicpg936) as raw bytes or \'hh, \uN with its
// fallback skipped, the font and colour tables, \b \i \ul \fs \cf, paragraphs and alignment.
// Groups it does not know keep their text; destinations marked \* and the known non-text ones
// (pictures, styles, document info, fields' instructions) are skipped. Input that is not RTF
// reads as plain text (UTF-8 when it is well-formed UTF-8, else GBK). Never fails.
RichTextDocument ReadRtf(std::string_view bytes);

}  // namespace tavrel
