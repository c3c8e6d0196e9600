#pragma once

#include <QList>
#include <QString>
#include <string>
#include <string_view>

// The windows hold text as QString; the plain functions they call take it as
// code points, so that no character is split in two.
inline std::u32string codePoints(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

inline QString fromCodePoints(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}
