#include "core/Dialogs.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString answerOrCancel(const std::optional<FileChoice>& answer, const FileDialogSettings& settings,
                       int* chosenFilter = nullptr)
{
    if (!answer && settings.cancelError)
        throw Error(Error::Cancel, QStringLiteral("Cancel was selected."));
    if (answer && chosenFilter)
        *chosenFilter = answer->filterIndex;
    return answer ? answer->fileName : QString();
}

}  // namespace

QString Dialogs::showSave(const FileDialogSettings& settings, int* chosenFilter)
{
    return answerOrCancel(askSaveFileName(settings), settings, chosenFilter);
}

QString Dialogs::showOpen(const FileDialogSettings& settings)
{
    return answerOrCancel(askOpenFileName(settings), settings);
}

FileChoice Dialogs::showSaveAskingToReplace(FileDialogSettings settings,
                                            const std::function<QString(const FileChoice&)>& fileFor)
{
    settings.cancelError = true;
    for (;;) {
        FileChoice choice;
        choice.fileName = showSave(settings, &choice.filterIndex);
        choice.fileName = fileFor(choice);
        const QFileInfo file(choice.fileName);
        // A folder is no file to replace: the write says why it fails.
        if (!file.exists() || file.isDir() ||
            askYesNo({QCoreApplication::translate("Dialogs", "%1 already exists.\r\nDo you want to replace it?")
                          .arg(choice.fileName),
                      settings.title, MessageBox::Icon::None}))
            return choice;
        settings.folder = file.absolutePath();
        settings.fileName = file.fileName();
        settings.filterIndex = choice.filterIndex;
    }
}

QString folderOrHome(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}
