#include "chargefile/ByteStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

using namespace drovan;

namespace {

class ByteStreamFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("drovan_byte_stream_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string path(const char *name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

std::string readAll(ByteSource &source, std::size_t step) {
    std::string bytes;
    std::string buffer(step, '\0');
    for (;;) {
        const auto count = source.read(buffer.data(), buffer.size());
        if (!count || *count == 0)
            return bytes;
        bytes.append(buffer.data(), *count);
    }
}

TEST_F(ByteStreamFileTest, WrittenBytesReadBackExactly) {
    const std::string bytes = std::string("A\r\nB\0\xFF", 6) + std::string(100000, 'x');
    FileByteSink sink(path("out.txt"));
    ASSERT_TRUE(sink.isOpen());
    EXPECT_TRUE(sink.write(bytes.substr(0, 3)));
    EXPECT_TRUE(sink.write(bytes.substr(3)));
    EXPECT_TRUE(sink.close());
    EXPECT_TRUE(sink.close());

    FileByteSource source(path("out.txt"));
    ASSERT_TRUE(source.isOpen());
    EXPECT_EQ(source.sizeHint(), std::optional<std::uint64_t>(bytes.size()));
    EXPECT_EQ(readAll(source, 4096), bytes);
}

TEST_F(ByteStreamFileTest, FilesThatCannotBeOpenedReportFailure) {
    FileByteSource source(path("missing.txt"));
    EXPECT_FALSE(source.isOpen());
    char byte = 0;
    EXPECT_EQ(source.read(&byte, 1), std::nullopt);

    FileByteSink sink(path("no/such/folder/out.txt"));
    EXPECT_FALSE(sink.isOpen());
    EXPECT_FALSE(sink.write("x"));
    EXPECT_FALSE(sink.close());
}

TEST(ByteStreamTest, StringSourceHandsOutItsBytesInPieces) {
    StringByteSource source("abcdefg");
    EXPECT_EQ(source.sizeHint(), std::optional<std::uint64_t>(7));
    EXPECT_EQ(readAll(source, 3), "abcdefg");
    char byte = 0;
    EXPECT_EQ(source.read(&byte, 1), std::optional<std::size_t>(0));
    StringByteSource empty("");
    EXPECT_EQ(readAll(empty, 3), "");
}

} // namespace
