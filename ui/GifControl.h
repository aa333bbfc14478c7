#pragma once

#include "ui/ClickLabel.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QMovie;

namespace lumivane {

/// Animated GIF control: plays the image in an endless loop and takes its size.
class GifControl : public ClickLabel {
    Q_OBJECT
public:
    explicit GifControl(QWidget* parent = nullptr);
    ~GifControl() override;

    /// Decodes the bytes as a GIF, animated or not. Returns false and keeps the
    /// current image when the first frame does not decode.
    bool loadFromData(const QByteArray& bytes);
    bool isPlaying() const;

private:
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QMovie> m_movie;
};

} // namespace lumivane
