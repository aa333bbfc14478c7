#include "ui/GifControl.h"

#include <QMovie>

namespace lumivane {

GifControl::GifControl(QWidget* parent)
    : ClickLabel(parent)
{
}

GifControl::~GifControl()
{
    setMovie(nullptr);
}

bool GifControl::loadFromData(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    auto movie = std::make_unique<QMovie>(buffer.get(), QByteArrayLiteral("gif"));
    if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentImage().isNull())
        return false;

    setMovie(nullptr);
    m_movie = std::move(movie);
    m_buffer = std::move(buffer);
    // A GIF without a loop count plays once; the banner loops regardless.
    connect(m_movie.get(), &QMovie::finished, m_movie.get(), &QMovie::start);
    resize(m_movie->currentImage().size());
    setMovie(m_movie.get());
    m_movie->start();
    return true;
}

bool GifControl::isPlaying() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

} // namespace lumivane
