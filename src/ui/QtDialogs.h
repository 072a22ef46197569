#pragma once

#include "core/Dialogs.h"

#include <QCoreApplication>

class QWidget;

/// File dialogs and message boxes of Qt, modal to the contact window.
class QtDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }
    void message(const MessageBox& box) override;
    bool askYesNo(const MessageBox& box) override;
    std::optional<int> choose(const ChoiceBox& box) override;
    std::optional<AccountAnswer> askAccount(const AccountBox& box) override;
    std::optional<Comparison> compare(const ComparisonBox& box) override;

protected:
    std::optional<FileChoice> askSaveFileName(const FileDialogSettings& settings) override;
    std::optional<FileChoice> askOpenFileName(const FileDialogSettings& settings) override;

private:
    std::optional<FileChoice> ask(const FileDialogSettings& settings, bool save);

    QWidget* m_parent;
};
