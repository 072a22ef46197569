#include "qr/SaveCodeCommand.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "qr/QrCode.h"
#include "qr/QrImage.h"
#include "vcard/CardFile.h"
#include "vcard/modVCard.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

namespace SaveCodeCommand {

namespace {

const QString pngSuffix = QStringLiteral("png");
const QString svgSuffix = QStringLiteral("svg");

/// The file the answer names: an extension of either format is kept, and
/// decides the format; any other name gets the chosen entry's extension.
QString fileFor(const FileChoice& answer)
{
    const QString suffix = QFileInfo(answer.fileName).suffix().toLower();
    if (suffix == pngSuffix || suffix == svgSuffix)
        return answer.fileName;
    return answer.fileName + u'.' + (answer.filterIndex == 1 ? svgSuffix : pngSuffix);
}

QByteArray pngBytes(const QrCode& code)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(QrImage::image(code, pngModulePixels)))
        throw Error(
            Error::ImageSave,
            QCoreApplication::translate("SaveCodeCommand", "Cannot make the PNG image: %1").arg(writer.errorString()));
    return bytes;
}

}  // namespace

FileDialogSettings dialogSettings(const ContactSource& contact, const QString& folder)
{
    FileDialogSettings s;
    s.fileName = modVCard::fileNameOf(contact, 7) + QLatin1String(" QR.png");
    s.cancelError = true;
    s.title = QCoreApplication::translate("SaveCodeCommand", "Save QR Code");
    //: A file type of the save dialog: keep "(*.png)" at the end.
    s.filters = {{QCoreApplication::translate("SaveCodeCommand", "PNG image (*.png)"), QStringLiteral("*.png")},
                 //: A file type of the save dialog: keep "(*.svg)" at the end.
                 {QCoreApplication::translate("SaveCodeCommand", "SVG image (*.svg)"), QStringLiteral("*.svg")}};
    s.folder = folderOrHome(folder);
    return s;
}

void run(const QrCode& code, const ContactSource& contact, QString& folder, Dialogs& dialogs)
{
    const QString fileName = dialogs.showSaveAskingToReplace(dialogSettings(contact, folder), fileFor).fileName;
    folder = QFileInfo(fileName).absolutePath();
    const bool svg = QFileInfo(fileName).suffix().toLower() == svgSuffix;
    CardFile::writeReplacing(fileName, svg ? QrImage::svg(code, pngModulePixels) : pngBytes(code));
}

}  // namespace SaveCodeCommand
