#pragma once

#include "core/Dialogs.h"

class QWidget;

/// File dialogs and message boxes of Qt, modal to the contact window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }
    void message(const MessageBox& box) override;
    bool askYesNo(const MessageBox& box) override;
    std::optional<int> choose(const ChoiceBox& box) override;

protected:
    std::optional<QString> askSaveFileName(const FileDialogSettings& settings) override;
    std::optional<QString> askOpenFileName(const FileDialogSettings& settings) override;

private:
    std::optional<QString> ask(const FileDialogSettings& settings, bool save);

    QWidget* m_parent;
};
