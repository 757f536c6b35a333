// The first page of a database file: its kind, and the password of an Access file.
#include "fuzz/Fuzz.h"
#include "store/DatabaseHeader.h"
#include "store/StoreError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray head = FuzzBytes(data, size);
    const DatabaseKind kind = KindOfDatabase(head);
    Require(!DatabaseKindName(kind).isEmpty(), "every kind has a name");
    try {
        const QString password = AccessPassword(head);
        Require(head.size() >= 0x18 + 126, "a password needs the whole masked header");
        Require(password.size() <= 20, "a password has at most 20 characters");
        Require(!password.contains(QChar(u'\0')), "a password ends at its first NUL");
    } catch (const StoreError&) {
        Require(head.size() < 0x18 + 126, "only a short header is refused");
    }
    return 0;
}
