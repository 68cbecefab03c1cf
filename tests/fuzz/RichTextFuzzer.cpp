// libFuzzer's entry for the rich-text reader (built by scripts/fuzz.sh with KARTOVAN_FUZZ): any
// bytes must read without a crash, and the runs hold no line feed and no more text than came in.
#ifdef KARTOVAN_FUZZER

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/core/RichTextReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const platform::RichTextDocument read = platform::ReadRichText(input);
    std::size_t shown = 0;
    for (const auto& paragraph : read.paragraphs) {
        for (const auto& run : paragraph.runs) {
            if (run.text.find('\n') != std::string::npos || run.text.empty()) {
                std::fprintf(stderr, "rich text: a run holds a line feed or nothing\n");
                std::abort();
            }
            shown += run.text.size();
        }
    }
    // Every byte read becomes at most one character of at most three UTF-8 bytes.
    if (shown > 3 * size || read.paragraphs.size() > size + 1) {
        std::fprintf(stderr, "rich text: more came out than went in\n");
        std::abort();
    }
    return 0;
}

#endif
