// Runs stored inputs of a fuzz target once each, in name order: the corpus
// as a test, with any compiler. Arguments are files or folders.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            for (const QString& name : QDir(path).entryList(QDir::Files, QDir::Name))
                files << path + u'/' + name;
        } else {
            files << path;
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "replay: no inputs\n");
        return 1;
    }
    LLVMFuzzerInitialize(&argc, &argv);
    for (const QString& path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "replay: cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
    std::fprintf(stderr, "replay: %lld inputs\n", static_cast<long long>(files.size()));
    return 0;
}
