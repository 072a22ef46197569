#pragma once

#include <thread>

/**
 * Work the first paint needs and nobody sees, begun on another core while
 * the window is built: fontconfig's configuration and font cache (before
 * the application object exists), then the image plugins Qt looks through
 * when the style first loads one of its pictures. Each is what Qt would do
 * on the window's thread otherwise; done here first, Qt finds it done.
 */
class WarmUp {
public:
    /// Begins with the fonts; make it before the QApplication.
    WarmUp();
    /// Waits for what is under way.
    ~WarmUp();
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    /// The image plugins; once the QApplication exists.
    void imagePlugins();

private:
    std::thread m_fonts;
    std::thread m_images;
};
