#pragma once

#include "chargefile/ByteStream.h"
#include "document/ChargeTable.h"
#include "document/CollectionDocument.h"
#include "document/Currency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace drovan {

// Readable failures: GoogleTest finds these by argument-dependent lookup.
inline void PrintTo(const ChargeRecord &r, std::ostream *os) {
    *os << "{" << r.Jurisdiction << "|" << r.Folio_Number << "|" << r.Name << "|"
        << r.Payment_Amount.toPlain() << "|" << r.Explanation << "|" << r.Explanation_Note << "|"
        << r.Explanation_Button << "}";
}

inline void PrintTo(const CollectionHeader &h, std::ostream *os) {
    *os << "{" << h.codeCaption << "|" << h.nameCaption << "|" << h.code << "|" << h.name << "|"
        << h.taxYear << "}";
}

} // namespace drovan

namespace drovan::testing {

// The bytes of a file under tests/data/chargefile, exactly as stored.
inline std::string fixture(std::string_view name) {
    const std::string path = std::string(DROVAN_TEST_DATA) + "/chargefile/" + std::string(name);
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing fixture " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline CollectionHeader headerOf(DistrictKind kind, std::string code, std::string name,
                                 std::string taxYear) {
    CollectionHeader header;
    header.codeCaption = codeCaptionOf(kind);
    header.nameCaption = nameCaptionOf(kind);
    header.code = std::move(code);
    header.name = std::move(name);
    header.taxYear = std::move(taxYear);
    return header;
}

inline Currency amountOf(std::string_view text) {
    return Currency::parse(text).value();
}

inline ChargeRecord chargeOf(std::string jurisdiction, std::string folio, std::string name,
                             std::string_view amount, std::string explanation, std::string note,
                             std::string button) {
    return ChargeRecord{std::move(jurisdiction), std::move(folio),       std::move(name),
                        amountOf(amount),        std::move(explanation), std::move(note),
                        std::move(button)};
}

// Hands out at most `step` bytes a read and fails once `failAfter` bytes have been handed out.
class ChoppedByteSource final : public ByteSource {
public:
    ChoppedByteSource(std::string bytes, std::size_t step,
                      std::optional<std::size_t> failAfter = std::nullopt)
        : bytes_(std::move(bytes)), step_(step), failAfter_(failAfter) {}

    std::optional<std::size_t> read(char *buffer, std::size_t size) override {
        if (failAfter_ && position_ >= *failAfter_)
            return std::nullopt;
        std::size_t count = std::min({size, step_, bytes_.size() - position_});
        if (failAfter_)
            count = std::min(count, *failAfter_ - position_);
        std::copy_n(bytes_.data() + position_, count, buffer);
        position_ += count;
        return count;
    }

private:
    std::string bytes_;
    std::size_t step_;
    std::optional<std::size_t> failAfter_;
    std::size_t position_ = 0;
};

// Accepts `acceptedWrites` writes, then refuses every one.
class FailingByteSink final : public ByteSink {
public:
    explicit FailingByteSink(std::size_t acceptedWrites) : accepted_(acceptedWrites) {}

    bool write(std::string_view bytes) override {
        ++calls_;
        if (calls_ > accepted_)
            return false;
        text_.append(bytes);
        return true;
    }
    std::size_t calls() const { return calls_; }
    const std::string &text() const { return text_; }

private:
    std::size_t accepted_;
    std::size_t calls_ = 0;
    std::string text_;
};

} // namespace drovan::testing
