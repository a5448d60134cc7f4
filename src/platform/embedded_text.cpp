#include "platform/embedded_text.h"

namespace tavrel {

std::string_view EmbeddedText(std::string_view name) {
    for (const EmbeddedFile& file : EmbeddedFiles()) {
        if (file.name == name) {
            return file.contents;
        }
    }
    return {};
}

}  // namespace tavrel
