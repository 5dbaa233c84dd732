// Text between the screen (UTF-8 std::string) and Qt (QString).
#pragma once

#include <QString>
#include <string>

namespace desk {

inline QString ToQt(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) { return text.toStdString(); }

}  // namespace desk
