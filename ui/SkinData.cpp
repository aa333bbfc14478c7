#include "ui/SkinData.h"

#include "ui/Gunzip.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QFile>

#include <fstream>
#include <iterator>

namespace lumivane {

namespace {

// Far above any real style sheet; keeps a damaged or hostile file from
// filling memory.
constexpr std::size_t maxSkinBytes = 4 * 1024 * 1024;

std::string readSmallFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    bytes.resize(maxSkinBytes + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes.size() > maxSkinBytes ? std::string() : bytes;
}

} // namespace

SkinData::SkinData()
    : m_styleSheet(builtinSkin())
{
}

bool SkinData::loadFromCompressedFile(const std::string& path)
{
    const auto sheet = gunzip(readSmallFile(path), maxSkinBytes);
    if (!sheet)
        return false;
    const QString text = toQt(*sheet);
    if (text.trimmed().isEmpty())
        return false;
    m_styleSheet = text;
    return true;
}

void SkinData::apply() const
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setStyleSheet(m_styleSheet);
}

QString builtinSkin()
{
    QFile file(QStringLiteral(":/lumivane/skin/builtin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace lumivane
