#include "TextCodec.h"

#include "document/Windows1252.h"

namespace drovan::ui {

QString toQString(std::string_view windows1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(windows1252.size()));
    for (char c : windows1252)
        out.append(QChar(static_cast<char16_t>(cp1252::toUnicode(static_cast<unsigned char>(c)))));
    return out;
}

std::string fromQString(const QString &text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the Basic Multilingual Plane: never in Windows-1252
            out.push_back('?');
            continue;
        }
        out.push_back(cp1252::fromUnicode(c.unicode()));
    }
    return out;
}

} // namespace drovan::ui
