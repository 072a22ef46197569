#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

void ScriptedDialogs::message(const MessageBox& box)
{
    messages << box;
    if (onMessage)
        onMessage(box);
}

bool ScriptedDialogs::askYesNo(const MessageBox& box)
{
    questions << box;
    return !answers.isEmpty() && answers.takeFirst();
}

std::optional<int> ScriptedDialogs::choose(const ChoiceBox& box)
{
    choiceBoxes << box;
    return choices.isEmpty() ? std::nullopt : choices.takeFirst();
}

std::optional<Comparison> ScriptedDialogs::compare(const ComparisonBox& box)
{
    comparisonBoxes << box;
    return comparisons.isEmpty() ? std::nullopt : comparisons.takeFirst();
}

std::optional<AccountAnswer> ScriptedDialogs::askAccount(const AccountBox& box)
{
    accountBoxes << box;
    return accounts.isEmpty() ? std::nullopt : accounts.takeFirst();
}

std::optional<FileChoice> ScriptedDialogs::askSaveFileName(const FileDialogSettings& settings)
{
    return next(settings, true);
}

std::optional<FileChoice> ScriptedDialogs::askOpenFileName(const FileDialogSettings& settings)
{
    return next(settings, false);
}

std::optional<FileChoice> ScriptedDialogs::next(const FileDialogSettings& settings, bool save)
{
    asked << settings;
    askedToSave << save;
    if (onAsk)
        onAsk();
    if (m_answers.empty()) {
        ADD_FAILURE() << "a file dialog was shown that the test did not script";
        return std::nullopt;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    if (answer.cancel)
        return std::nullopt;
    return FileChoice{answer.fileName, answer.filter < 0 ? settings.filterIndex : answer.filter};
}
