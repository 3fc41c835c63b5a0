#pragma once
// The system's texts are 8-bit byte strings; Qt shows them through the locale's encoding.
#include <QString>

#include <string>
#include <string_view>

namespace vantrel {

inline QString ToQt(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace vantrel
