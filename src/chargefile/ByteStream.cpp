#include "chargefile/ByteStream.h"

#include <algorithm>
#include <cstring>

namespace drovan {

std::optional<std::size_t> StringByteSource::read(char *buffer, std::size_t size) {
    const std::size_t count = std::min(size, bytes_.size() - position_);
    if (count > 0)
        std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
}

FileByteSource::FileByteSource(const std::string &path) : file_(std::fopen(path.c_str(), "rb")) {
    if (file_ == nullptr)
        return;
    // The size is only a hint for reserving; a file that cannot seek simply gives none.
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        if (end >= 0)
            size_ = static_cast<std::uint64_t>(end);
    }
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
        std::fclose(file_);
        file_ = nullptr;
        size_.reset();
    }
}

FileByteSource::~FileByteSource() {
    if (file_ != nullptr)
        std::fclose(file_);
}

std::optional<std::size_t> FileByteSource::read(char *buffer, std::size_t size) {
    if (file_ == nullptr)
        return std::nullopt;
    const std::size_t count = std::fread(buffer, 1, size, file_);
    if (count < size && std::ferror(file_) != 0)
        return std::nullopt;
    return count;
}

FileByteSink::FileByteSink(const std::string &path)
    : file_(std::fopen(path.c_str(), "wb")), failed_(file_ == nullptr) {}

FileByteSink::~FileByteSink() {
    close();
}

bool FileByteSink::write(std::string_view bytes) {
    if (file_ == nullptr || failed_)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        failed_ = true;
    return !failed_;
}

bool FileByteSink::close() {
    if (file_ == nullptr)
        return !failed_;
    if (std::fflush(file_) != 0)
        failed_ = true;
    if (std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
    return !failed_;
}

} // namespace drovan
