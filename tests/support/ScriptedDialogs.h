#pragma once

#include "core/Dialogs.h"

#include <QList>

#include <deque>
#include <functional>

/// Dialogs that answer from a script and remember what they were asked.
class ScriptedDialogs : public Dialogs {
public:
    /// The next file dialog chooses @p fileName.
    void choose(const QString& fileName) { m_answers.push_back({false, fileName}); }
    /// The next file dialog is cancelled.
    void cancel() { m_answers.push_back({true, QString()}); }

    void message(const MessageBox& box) override;
    /// Records the question and answers with the next of answers (No when none is left).
    bool askYesNo(const MessageBox& box) override;

    QList<bool> answers;
    QList<MessageBox> questions;

    /// Records the list and answers with the next of choices (Cancel when none is left).
    std::optional<int> choose(const ChoiceBox& box) override;
    QList<std::optional<int>> choices;
    QList<ChoiceBox> choiceBoxes;

    /// Runs for every message box, after it is recorded; may throw.
    std::function<void(const MessageBox&)> onMessage;
    /// Runs for every file dialog, after it is recorded; may throw.
    std::function<void()> onAsk;

    QList<FileDialogSettings> asked;
    QList<bool> askedToSave;
    QList<MessageBox> messages;

protected:
    std::optional<QString> askSaveFileName(const FileDialogSettings& settings) override;
    std::optional<QString> askOpenFileName(const FileDialogSettings& settings) override;

private:
    std::optional<QString> next(const FileDialogSettings& settings, bool save);

    struct Answer {
        bool cancel;
        QString fileName;
    };
    std::deque<Answer> m_answers;
};
