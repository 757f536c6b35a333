// The two small files laid beside the program, as the program reads them itself: the skin's
// style sheet and the pointer file's header. Either gives its value or one runtime_error.
#include "fuzz/Fuzz.h"
#include "kit/CursorFile.h"
#include "kit/SkinSheet.h"

#include <QPoint>

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    try {
        const QString sheet = SkinSheet(bytes, QStringLiteral("x/o.cjs"));
        Require(IsWellFormedStyleSheet(sheet), "an accepted skin is a well-formed style sheet");
    } catch (const std::runtime_error&) {
    }
    try {
        const QPoint hotspot = CursorHotspot(bytes, QStringLiteral("HAND-M.CUR"));
        Require(
            hotspot.x() >= 0 && hotspot.x() <= 0xffff && hotspot.y() >= 0 && hotspot.y() <= 0xffff,
            "a hotspot is two 16-bit numbers");
    } catch (const std::runtime_error&) {
    }
    return 0;
}
