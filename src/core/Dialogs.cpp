#include "core/Dialogs.h"

#include "core/Error.h"

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
