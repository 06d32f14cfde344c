#include "ChargeFileIO.h"

#include "chargefile/ChargeFileWriter.h"

#include <QSaveFile>

namespace drovan::ui {
namespace {

// QSaveFile lets a short write pass on a full disk and would still commit a truncated file, so
// every count is compared with what was meant.
class SaveFileSink final : public ByteSink {
public:
    explicit SaveFileSink(QSaveFile &file) : file_(file) {}
    bool write(std::string_view bytes) override {
        const auto size = static_cast<qint64>(bytes.size());
        return file_.write(bytes.data(), size) == size;
    }

private:
    QSaveFile &file_;
};

} // namespace

std::optional<std::size_t> FileDeviceSource::read(char *buffer, std::size_t size) {
    const qint64 count = file_.read(buffer, static_cast<qint64>(size));
    if (count < 0)
        return std::nullopt;
    return static_cast<std::size_t>(count);
}

std::optional<std::uint64_t> FileDeviceSource::sizeHint() const {
    const qint64 size = file_.size();
    if (size < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

bool saveChargeFile(const QString &path, const CollectionHeader &header, const ChargeTable &charges,
                    const std::function<void(std::string_view)> &onLine) {
    QSaveFile file(path);
    // Unbuffered: each write reaches the file system at once, so its count is the real one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    SaveFileSink sink(file);
    if (!writeChargeFile(sink, header, charges, onLine) || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace drovan::ui
