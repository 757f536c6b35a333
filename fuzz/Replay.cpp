// Feeds every file of the given folders to the target's entry point, as the test suite does with
// the committed corpora; a folder without files fails, so that a lost corpus is noticed.
#include "fuzz/Fuzz.h"

#include <QDirIterator>
#include <QFile>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: %s CORPUS_FOLDER...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        int files = 0;
        QDirIterator entries(QString::fromLocal8Bit(argv[i]), QDir::Files,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile file(entries.next());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s: cannot read\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
            ++files;
        }
        if (files == 0) {
            std::fprintf(stderr, "%s: no inputs\n", argv[i]);
            return 1;
        }
        std::printf("%s: %d inputs\n", argv[i], files);
    }
    return 0;
}
