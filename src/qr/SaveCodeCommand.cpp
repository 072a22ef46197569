#include "qr/SaveCodeCommand.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "qr/QrCode.h"
#include "qr/QrImage.h"
#include "vcard/CardFile.h"
#include "vcard/modVCard.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace SaveCodeCommand {

FileDialogSettings dialogSettings(const ContactSource& contact)
{
    FileDialogSettings s;
    s.fileName = modVCard::fileNameOf(contact, 7) + QLatin1String(" QR.png");
    s.cancelError = true;
    s.title = QStringLiteral("Save QR Code");
    s.filters = {{QStringLiteral("PNG image(*.png)"), QStringLiteral("*.png")},
                 {QStringLiteral("SVG image(*.svg)"), QStringLiteral("*.svg")}};
    return s;
}

void run(const QrCode& code, const ContactSource& contact, Dialogs& dialogs)
{
    int filter = 0;
    QString fileName = dialogs.showSave(dialogSettings(contact), &filter);
    if (fileName.isEmpty())
        return;
    const bool svg = filter == 1;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += svg ? QLatin1String(".svg") : QLatin1String(".png");
    QByteArray bytes;
    if (svg) {
        bytes = QrImage::svg(code, pngModulePixels);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(QrImage::image(code, pngModulePixels)))
            throw Error(Error::ImageSave, QStringLiteral("Cannot make the PNG image: %1").arg(writer.errorString()));
    }
    CardFile::writeReplacing(fileName, bytes);
}

}  // namespace SaveCodeCommand
