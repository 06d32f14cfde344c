#pragma once

#include "chargefile/ByteStream.h"

#include <QString>

#include <functional>

class QFileDevice;

namespace drovan {
struct CollectionHeader;
class ChargeTable;
} // namespace drovan

namespace drovan::ui {

// Reads a QFile (or any file device) for the charge file reader.
class FileDeviceSource final : public ByteSource {
public:
    explicit FileDeviceSource(QFileDevice &file) : file_(file) {}
    std::optional<std::size_t> read(char *buffer, std::size_t size) override;
    std::optional<std::uint64_t> sizeHint() const override;

private:
    QFileDevice &file_;
};

// Writes the charge file next to the target and replaces the target only when every byte was
// written and flushed; on any failure the previous file stays as it was.
bool saveChargeFile(const QString &path, const CollectionHeader &header, const ChargeTable &charges,
                    const std::function<void(std::string_view)> &onLine = {});

} // namespace drovan::ui
