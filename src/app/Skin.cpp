#include "app/Skin.h"

#include "core/Error.h"

#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace {

bool bracesBalance(QStringView sheet)
{
    int depth = 0;
    for (QChar c : sheet) {
        if (c == u'{')
            ++depth;
        else if (c == u'}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

}  // namespace

void Skin::loadSkin(const QString& path, const QString& /*section*/)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(Error::FileAccess, QStringLiteral("Cannot read the skin %1: %2").arg(path, file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString sheet = decoder(file.readAll());
    if (decoder.hasError() || sheet.contains(QChar(0)) || !bracesBalance(sheet))
        throw Error(Error::FileAccess, QStringLiteral("The skin %1 is not a style sheet.").arg(path));
    m_styleSheet = sheet;
}

void Skin::applyWindow(QWidget* window)
{
    if (!(m_options & ApplyStyleSheet))
        return;
    window->setStyleSheet(m_styleSheet);
    if (m_polishFirst)
        window->ensurePolished();
    if (m_repaintWindow)
        window->update();
}
