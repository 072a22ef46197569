#include "app/WarmUp.h"

#include <QImageReader>

#include <fontconfig/fontconfig.h>

WarmUp::WarmUp() : m_fonts([] { FcInit(); }) {}

WarmUp::~WarmUp()
{
    if (m_fonts.joinable())
        m_fonts.join();
    if (m_images.joinable())
        m_images.join();
}

void WarmUp::imagePlugins()
{
    m_images = std::thread([] { QImageReader::supportedImageFormats(); });
}
