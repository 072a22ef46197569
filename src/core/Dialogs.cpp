#include "core/Dialogs.h"

#include "core/Error.h"

namespace {

QString answerOrCancel(const std::optional<QString>& answer, const FileDialogSettings& settings)
{
    if (!answer && settings.cancelError)
        throw Error(Error::Cancel, QStringLiteral("Cancel was selected."));
    return answer.value_or(QString());
}

}  // namespace

QString Dialogs::showSave(const FileDialogSettings& settings)
{
    return answerOrCancel(askSaveFileName(settings), settings);
}

QString Dialogs::showOpen(const FileDialogSettings& settings)
{
    return answerOrCancel(askOpenFileName(settings), settings);
}
