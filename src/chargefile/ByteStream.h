#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace drovan {

// Where the charge file writer puts its bytes. A false return is a failed or short write: the
// writer stops at once and reports the failure.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool write(std::string_view bytes) = 0;
};

// Where the charge file reader takes its bytes from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `buffer`: the count read, 0 at the end, no value on a read error.
    virtual std::optional<std::size_t> read(char *buffer, std::size_t size) = 0;
    // The total size when known, so that the reader can reserve its table once.
    virtual std::optional<std::uint64_t> sizeHint() const { return std::nullopt; }
};

class StringByteSink final : public ByteSink {
public:
    bool write(std::string_view bytes) override {
        text_.append(bytes);
        return true;
    }
    const std::string &text() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

class StringByteSource final : public ByteSource {
public:
    explicit StringByteSource(std::string_view bytes) : bytes_(bytes) {}
    std::optional<std::size_t> read(char *buffer, std::size_t size) override;
    std::optional<std::uint64_t> sizeHint() const override { return bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// A file opened for binary reading. The window reads through Qt; this serves the benchmark and
// any caller that has a plain path.
class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::string &path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource &) = delete;
    FileByteSource &operator=(const FileByteSource &) = delete;

    bool isOpen() const { return file_ != nullptr; }
    std::optional<std::size_t> read(char *buffer, std::size_t size) override;
    std::optional<std::uint64_t> sizeHint() const override { return size_; }

private:
    std::FILE *file_ = nullptr;
    std::optional<std::uint64_t> size_;
};

// A file created or truncated for binary writing. It writes in place: replacing a file only
// after every byte is written is the caller's business (the window uses QSaveFile).
class FileByteSink final : public ByteSink {
public:
    explicit FileByteSink(const std::string &path);
    ~FileByteSink() override;
    FileByteSink(const FileByteSink &) = delete;
    FileByteSink &operator=(const FileByteSink &) = delete;

    bool isOpen() const { return file_ != nullptr; }
    bool write(std::string_view bytes) override;
    // Flushes and closes; false when any write, the flush or the close failed.
    bool close();

private:
    std::FILE *file_ = nullptr;
    bool failed_ = false;
};

} // namespace drovan
