#pragma once

#include <QString>

#include <string>

namespace lumivane {

/// The skin every window draws from: a Qt style sheet applied to the whole
/// application. It starts as the built-in skin.
class SkinData {
public:
    SkinData();

    /// Loads a gzip-compressed style sheet. Only a file that inflates to a
    /// non-blank sheet replaces the current skin; returns whether it did.
    bool loadFromCompressedFile(const std::string& path);
    const QString& styleSheet() const { return m_styleSheet; }
    /// Makes the current skin the style sheet of every window of the application.
    void apply() const;

private:
    QString m_styleSheet;
};

/// The style sheet compiled into the program.
QString builtinSkin();

} // namespace lumivane
