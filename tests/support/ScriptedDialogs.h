#pragma once

#include "core/Dialogs.h"

#include <QList>

#include <deque>
#include <functional>

/// Dialogs that answer from a script and remember what they were asked.
class ScriptedDialogs : public Dialogs {
public:
    /// The next file dialog chooses @p fileName, with filter entry
    /// @p filter (-1: the one the dialog opened on).
    void choose(const QString& fileName, int filter = -1) { m_answers.push_back({false, fileName, filter}); }
    /// The next file dialog is cancelled.
    void cancel() { m_answers.push_back({true, QString(), -1}); }

    void message(const MessageBox& box) override;
    /// Records the question and answers with the next of answers (No when none is left).
    bool askYesNo(const MessageBox& box) override;

    QList<bool> answers;
    QList<MessageBox> questions;

    /// Records the list and answers with the next of choices (Cancel when none is left).
    std::optional<int> choose(const ChoiceBox& box) override;
    QList<std::optional<int>> choices;
    QList<ChoiceBox> choiceBoxes;

    /// Records the box and answers with the next of accounts (Cancel when none is left).
    std::optional<AccountAnswer> askAccount(const AccountBox& box) override;
    QList<std::optional<AccountAnswer>> accounts;
    QList<AccountBox> accountBoxes;

    /// Records the box and answers with the next of comparisons (Cancel when none is left).
    std::optional<Comparison> compare(const ComparisonBox& box) override;
    QList<std::optional<Comparison>> comparisons;
    QList<ComparisonBox> comparisonBoxes;

    /// Runs for every message box, after it is recorded; may throw.
    std::function<void(const MessageBox&)> onMessage;
    /// Runs for every file dialog, after it is recorded; may throw.
    std::function<void()> onAsk;

    QList<FileDialogSettings> asked;
    QList<bool> askedToSave;
    QList<MessageBox> messages;

protected:
    std::optional<FileChoice> askSaveFileName(const FileDialogSettings& settings) override;
    std::optional<FileChoice> askOpenFileName(const FileDialogSettings& settings) override;

private:
    std::optional<FileChoice> next(const FileDialogSettings& settings, bool save);

    struct Answer {
        bool cancel;
        QString fileName;
        int filter;
    };
    std::deque<Answer> m_answers;
};
