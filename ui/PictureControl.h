#pragma once

#include "ui/ClickLabel.h"

#include <QByteArray>

namespace lumivane {

/// Still-image control: shows one picture and takes its size.
class PictureControl : public ClickLabel {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    /// Decodes the bytes as the given image format ("bmp", "ico", "jpeg", ...).
    /// Returns false and keeps the current picture when they do not decode.
    bool loadFromData(const QByteArray& bytes, const char* format);
};

} // namespace lumivane
