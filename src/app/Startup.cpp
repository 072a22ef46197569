#include "app/Startup.h"

#include "app/CursorFile.h"
#include "app/LazyIcon.h"
#include "app/Main0.h"
#include "core/AppInfo.h"
#include "ui/Form1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <QRandomGenerator>
#include <QTime>
#include <memory>

// The icons are compiled into this static library; Qt must be told.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace Startup {

namespace {

QIcon applicationIcon()
{
    initResources();
    QList<QPair<QSize, QString>> files;
    for (int size : {32, 48, 128, 256})
        files.append({QSize(size, size), QStringLiteral(":/icons/quillmere-%1.png").arg(size)});
    return lazyIcon(files);
}

}  // namespace

int drawFromTimeOfDay()
{
    QRandomGenerator generator(quint32(QTime::currentTime().msecsSinceStartOfDay()));
    return int(generator.generateDouble() * 100) + 1;
}

QString folderHolding(const QString& programFolder, const QString& relativePath)
{
    if (QFileInfo(programFolder + u'/' + relativePath).isFile())
        return programFolder;
    const QString inData = AppInfo::organizationName + u'/' + AppInfo::productName + u'/';
    const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, inData + relativePath);
    return found.isEmpty() ? programFolder : found.chopped(relativePath.size() + 1);
}

QTranslator* loadQtTranslations()
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

QTranslator* loadTranslations(const QString& programFolder)
{
    const QLocale locale;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return nullptr;
    // A file of the language is what is looked for; QTranslator then takes
    // the closest one in that folder (a country's own, when there is one).
    const QString name = QStringLiteral("translations/quillmere_%1.qm").arg(QLocale::languageToCode(locale.language()));
    const QString folder = folderHolding(programFolder, name) + QStringLiteral("/translations");
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("quillmere"), QStringLiteral("_"), folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

void load(Form1& form, const StartupServices& services)
{
    Main0::CenterForm(form);
    Main0::ApplySkin(form, *services.skin, folderHolding(services.programFolder, QStringLiteral("x/o.cjs")));
    form.setWindowTitle(AppInfo::productName);
    form.setWindowIcon(applicationIcon());
    if (services.drawNumber() == 7)
        services.openUrl(QUrl(AppInfo::homePage));
    const QString cursorName = QStringLiteral("HAND-M.CUR");
    const QString cursorPath = folderHolding(services.programFolder, cursorName) + u'/' + cursorName;
    if (Main0::FileExists(cursorPath)) {
        // The file is read now, so that replacing it later changes nothing
        // until the next start; its image is made when first shown, after
        // the first paint. A file that is no cursor leaves the arrow.
        if (const std::optional<QByteArray> bytes = CursorFile::read(cursorPath))
            form.setCustomPointerImage([bytes = *bytes] { return CursorFile::decode(bytes); });
    }
    services.restore();
}

}  // namespace Startup
