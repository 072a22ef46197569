#pragma once

#include <QString>

#include <cstdint>

class QWidget;

/**
 * The window's skin: a Qt style sheet read from a skin file and applied to
 * the main window. The start-up step makes five calls in a fixed order:
 * loadSkin(), options() then setOptions(), setPolishFirst(),
 * setRepaintWindow() and applyWindow(). Virtual so that a test can watch.
 */
class Skin {
public:
    enum Option : std::uint32_t {
        /// applyWindow() sets the loaded sheet on the window.
        ApplyStyleSheet = 0x1,
    };

    virtual ~Skin() = default;

    /// Reads the style sheet in @p path; @p section is reserved and unused.
    /// Throws Error when the file cannot be read or is no style sheet.
    virtual void loadSkin(const QString& path, const QString& section);

    virtual std::uint32_t options() const { return m_options; }
    virtual void setOptions(std::uint32_t options) { m_options = options; }

    /// applyWindow() polishes the window at once rather than when it is
    /// first shown, so that its controls' sizes already follow the sheet.
    virtual void setPolishFirst(bool on) { m_polishFirst = on; }
    /// applyWindow() repaints the window after styling it.
    virtual void setRepaintWindow(bool on) { m_repaintWindow = on; }

    /// Styles @p window with the loaded sheet, as the settings say.
    virtual void applyWindow(QWidget* window);

    const QString& styleSheet() const { return m_styleSheet; }

private:
    QString m_styleSheet;
    std::uint32_t m_options = 0;
    bool m_polishFirst = false;
    bool m_repaintWindow = false;
};
