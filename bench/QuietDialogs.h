#pragma once

#include "core/Dialogs.h"

#include <cstdio>

/// The dialogs of a bench run: messages go to stderr, the account gives the
/// password "x", every question has the one answer the run was made with.
class QuietDialogs : public Dialogs {
public:
    explicit QuietDialogs(bool yes) : m_yes(yes) {}

    void message(const MessageBox& box) override { std::fprintf(stderr, "%s\n", qPrintable(box.text)); }
    bool askYesNo(const MessageBox&) override { return m_yes; }
    std::optional<int> choose(const ChoiceBox&) override { return m_yes ? std::optional<int>(0) : std::nullopt; }
    std::optional<Comparison> compare(const ComparisonBox&) override { return std::nullopt; }
    std::optional<AccountAnswer> askAccount(const AccountBox&) override
    {
        return AccountAnswer{QString(), QString(), QStringLiteral("x"), false};
    }

protected:
    std::optional<FileChoice> askSaveFileName(const FileDialogSettings&) override { return std::nullopt; }
    std::optional<FileChoice> askOpenFileName(const FileDialogSettings&) override { return std::nullopt; }

private:
    bool m_yes;
};
