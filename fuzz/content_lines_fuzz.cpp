// Content-line unfolding on arbitrary bytes: no line holds a line break, each begins on a later
// physical line than the one before, and together they are no longer than the text.
#include "exchange/content_lines.h"

#include <cstdint>
#include <cstdlib>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ContentLines lines(text);
    qsizetype length = 0;
    int lineNumber = 0;
    while (!lines.AtEnd()) {
        const QByteArray line = lines.Next();
        length += line.size();
        if (line.contains('\r') || line.contains('\n') || lines.LineNumber() <= lineNumber || length > text.size())
            std::abort();
        lineNumber = lines.LineNumber();
    }
    return 0;
}
