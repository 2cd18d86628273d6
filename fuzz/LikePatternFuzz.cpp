// The Like matcher on any pattern and text (the input split at its first
// NUL byte), with and without regard to case: it ends without a fault, "*"
// matches every text, and a text without wildcards matches itself.
#include "common/LikePattern.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QString pattern = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString text = QString::fromUtf8(split < 0 ? bytes : bytes.mid(split + 1));
    const bool literal = !text.contains(QLatin1Char('*')) && !text.contains(QLatin1Char('?')) &&
                         !text.contains(QLatin1Char('#')) && !text.contains(QLatin1Char('['));
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        LikePattern(pattern, cs).matches(text);
        FUZZ_CHECK(LikePattern(QStringLiteral("*"), cs).matches(text));
        if (literal)
            FUZZ_CHECK(LikePattern(text, cs).matches(text));
    }
    return 0;
}
