// A plain driver for the fuzz targets: runs every file named on the command
// line, or found in a named folder, through LLVMFuzzerTestOneInput once.
// The regular test suite uses it to replay the seeds and every input that
// once was a finding.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

QStringList inputsOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return { path };
    QStringList files;
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 2;
        }
        for (const QString& file : inputsOf(path)) {
            QFile input(file);
            if (!input.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
                return 2;
            }
            const QByteArray data = input.readAll();
            std::printf("replaying %s (%lld bytes)\n", qPrintable(file), qint64(data.size()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(
                reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // A replay that found nothing to run proves nothing.
    return replayed > 0 ? 0 : 1;
}
