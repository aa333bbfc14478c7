#include "app/SettingsPanel.h"

#include "app/AspectFormula.h"
#include "platform/IniFile.h"

namespace lumivane {

namespace {
constexpr const char* section = "Settings";
}

void SettingsPanel::setFolder(std::string folder)
{
    m_folder = std::move(folder);
    changed();
}

void SettingsPanel::setBrowserX(int width)
{
    m_browserX = width;
    if (m_listener)
        m_listener->browserSizeChanged(m_browserX, m_browserY);
    changed();
}

void SettingsPanel::setBrowserY(int height)
{
    m_browserY = height;
    if (m_listener)
        m_listener->browserSizeChanged(m_browserX, m_browserY);
    changed();
}

void SettingsPanel::setThumbX(int width)
{
    m_thumbX = width;
    if (m_keepAspectRatio)
        recomputeThumbY();
    changed();
}

void SettingsPanel::setThumbY(int height)
{
    m_thumbY = height;
    changed();
}

void SettingsPanel::setKeepAspectRatio(bool keep)
{
    m_keepAspectRatio = keep;
    if (m_keepAspectRatio)
        recomputeThumbY();
    changed();
}

void SettingsPanel::setSkip(bool skip)
{
    m_skip = skip;
    changed();
}

void SettingsPanel::setLinkType(int index)
{
    // The selector has two entries; any other index leaves it showing none.
    m_linkType = (index == 0 || index == 1) ? index : -1;
    changed();
}

void SettingsPanel::setExt(std::string ext)
{
    m_ext = std::move(ext);
    changed();
}

void SettingsPanel::load(const IniFile& file)
{
    setFolder(file.readString(section, "Folder", ""));
    setBrowserX(file.readInteger(section, "BrowserX", 800));
    setBrowserY(file.readInteger(section, "BrowserY", 600));
    setThumbX(file.readInteger(section, "ThumbX", 200));
    setThumbY(file.readInteger(section, "ThumbY", 150));
    setKeepAspectRatio(file.readBool(section, "KeepAspectRatio", true));
    setSkip(file.readBool(section, "Skip", true));
    setLinkType(file.readInteger(section, "LinkType", 0));
}

void SettingsPanel::save(IniFile& file) const
{
    file.writeString(section, "Folder", m_folder);
    file.writeInteger(section, "BrowserX", m_browserX);
    file.writeInteger(section, "BrowserY", m_browserY);
    file.writeInteger(section, "ThumbX", m_thumbX);
    file.writeInteger(section, "ThumbY", m_thumbY);
    file.writeBool(section, "KeepAspectRatio", m_keepAspectRatio);
    file.writeBool(section, "Skip", m_skip);
    file.writeInteger(section, "LinkType", m_linkType);
}

void SettingsPanel::recomputeThumbY()
{
    if (const auto height = aspectHeight(m_thumbX, m_browserX, m_browserY))
        m_thumbY = *height;
}

void SettingsPanel::changed()
{
    if (m_listener)
        m_listener->settingsChanged();
}

} // namespace lumivane
