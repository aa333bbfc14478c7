#pragma once

#include <string>

namespace lumivane {

class IniFile;

/// The settings panel's fields and the rules that tie them together. The
/// widgets show these values and forward the user's edits here; the runner,
/// the capture and the ID rule read them where they are used.
class SettingsPanel {
public:
    class Listener {
    public:
        virtual ~Listener() = default;
        /// A field changed, by a rule or by loading: the widgets show it again.
        virtual void settingsChanged() = 0;
        /// The snapshot browser takes the browser width and height at once.
        virtual void browserSizeChanged(int width, int height) = 0;
    };

    void setListener(Listener* listener) { m_listener = listener; }

    const std::string& folder() const { return m_folder; }
    int browserX() const { return m_browserX; }
    int browserY() const { return m_browserY; }
    int thumbX() const { return m_thumbX; }
    int thumbY() const { return m_thumbY; }
    bool keepAspectRatio() const { return m_keepAspectRatio; }
    bool thumbYEditable() const { return !m_keepAspectRatio; }
    bool skip() const { return m_skip; }
    /// Item index of "Generate File Name From:"; -1 when it shows no entry.
    int linkType() const { return m_linkType; }
    /// "jpg", "gif" or "bmp".
    const std::string& ext() const { return m_ext; }

    void setFolder(std::string folder);
    void setBrowserX(int width);
    void setBrowserY(int height);
    void setThumbX(int width);
    void setThumbY(int height);
    /// Runs the box's rule whether or not the state changes.
    void setKeepAspectRatio(bool keep);
    void setSkip(bool skip);
    void setLinkType(int index);
    void setExt(std::string ext);

    void load(const IniFile& file);
    /// Raises "Unable to write to <path>"; keys after the failing one are not written.
    void save(IniFile& file) const;

private:
    void recomputeThumbY();
    void changed();

    Listener* m_listener = nullptr;
    std::string m_folder;
    int m_browserX = 0;
    int m_browserY = 0;
    int m_thumbX = 0;
    int m_thumbY = 0;
    bool m_keepAspectRatio = false;
    bool m_skip = false;
    int m_linkType = 0;
    std::string m_ext = "jpg";
};

} // namespace lumivane
