#pragma once

#include <QString>

#include <string>

namespace lumivane {

/// The one conversion between the core's 8-bit text and Qt's UTF-16.
inline QString toQt(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

} // namespace lumivane
