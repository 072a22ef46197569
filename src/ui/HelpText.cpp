#include "ui/HelpText.h"

#include <QCoreApplication>

namespace HelpText {

QString passage()
{
    //: The Help box: what the two save buttons' encodings are.
    return QCoreApplication::translate(
        "HelpText", "Most Windows text files use a form of ANSI, OEM or Unicode encoding. "
                    "What Windows calls \"ANSI encodings\" are usually single-byte ISO-8859 encodings, "
                    "except in locales such as Chinese, Japanese and Korean, whose scripts need a double-byte "
                    "character set. Before Windows moved to Unicode, the ANSI encodings served as its default "
                    "system locales. The OEM encodings, also known as MS-DOS code pages, were defined by IBM "
                    "for the text-mode display of the IBM PC; they typically include graphical and "
                    "line-drawing characters that full-screen MS-DOS programs used to draw boxes, frames or "
                    "menus. Text files written by newer versions of Windows may instead use a Unicode "
                    "encoding such as UTF-16LE or UTF-8.");
}

QString text()
{
    //: The source of the Help box's passage; %1 is the article's address.
    return QCoreApplication::translate("HelpText", "From Wikipedia (%1)")
               .arg(QStringLiteral("https://en.wikipedia.org/wiki/Text_file")) +
           QStringLiteral("\r\r") + passage();
}

}  // namespace HelpText
