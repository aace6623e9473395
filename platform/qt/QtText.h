// Conversions between the program's texts and paths and Qt's strings, kept in
// one place.
#pragma once

#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <string>
#include <string_view>

namespace kel {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16String(const QString& text) {
  return text.toStdU16String();
}

// A chosen path as the file system spells it (the local 8-bit encoding).
inline std::string ToPlatformPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// The title of the program's message and error boxes.
inline QString ApplicationTitle() {
  return QGuiApplication::applicationDisplayName();
}

}  // namespace kel
