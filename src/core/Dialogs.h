#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

/// One entry of a file dialog's filter: what the user reads, what it matches.
struct FileFilter {
    QString description;
    QString pattern;
    bool operator==(const FileFilter&) const = default;
};

/// Everything a command sets on a file dialog before it is shown.
struct FileDialogSettings {
    QString fileName;
    bool cancelError = false;  ///< report Cancel as an Error::Cancel failure
    QString title;
    QList<FileFilter> filters;
    int filterIndex = 0;  ///< the entry selected when the dialog opens
    QString folder;       ///< where the dialog opens; "" leaves it to the dialog
};

/// The dialogs that open in the folder they were last used in.
enum class DialogFolder { Export, QrCode, Open };

/// @p folder when it is a folder still, else the home folder: where a
/// dialog opens that remembers its last folder.
QString folderOrHome(const QString& folder);

/// A message box with a single OK button.
struct MessageBox {
    enum class Icon { None, Information, Warning };
    QString text;
    QString caption;
    Icon icon = Icon::None;
    bool operator==(const MessageBox&) const = default;
};

/// What a file dialog gave back: the file and the filter entry in use.
struct FileChoice {
    QString fileName;
    int filterIndex = 0;
};

/// A list to choose one entry from, with OK and Cancel.
struct ChoiceBox {
    QString text;
    QString caption;
    QStringList items;
    bool operator==(const ChoiceBox&) const = default;
};

/// The dialog that asks for an address-book server's account.
struct AccountBox {
    QString caption;
    QString text;    ///< what is asked and why
    QString server;  ///< proposed; "" for none
    QString user;
    bool onlyPassword = false;  ///< server and user stay as they are
    bool operator==(const AccountBox&) const = default;
};

/// Two versions of a contact side by side, what differs property by
/// property, with "Keep Mine", "Take Theirs" and Cancel.
struct ComparisonBox {
    struct Row {
        QString property;  ///< "TEL (CELL)"
        QString mine;      ///< its values, one a line; "" where there is none
        QString theirs;
        bool operator==(const Row&) const = default;
    };
    QString caption;
    QString text;
    QList<Row> rows;
    bool operator==(const ComparisonBox&) const = default;
};

/// The answer to a ComparisonBox, but Cancel.
enum class Comparison { KeepMine, TakeTheirs };

/// What the user gave in the account dialog.
struct AccountAnswer {
    QString server;
    QString user;
    QString password;
    bool rememberPassword = false;
};

/**
 * The commands' way to the user: file dialogs and message boxes. Form1 uses
 * the Qt implementation; tests script the answers.
 */
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// The chosen name, or "" on Cancel; throws Error::Cancel instead when
    /// the settings ask for it. @p chosenFilter, when given, receives the
    /// index of the filter entry in use when the dialog closed.
    QString showSave(const FileDialogSettings& settings, int* chosenFilter = nullptr);
    QString showOpen(const FileDialogSettings& settings);
    /**
     * A save dialog that asks before a file is replaced: @p fileFor turns
     * the answer into the file to write (an extension added, say); when
     * that file exists and the user does not want it replaced, the dialog
     * is shown again on that name. Cancel throws Error::Cancel.
     */
    FileChoice showSaveAskingToReplace(FileDialogSettings settings,
                                       const std::function<QString(const FileChoice&)>& fileFor);

    /// Shows @p box and waits until it is closed.
    virtual void message(const MessageBox& box) = 0;
    /// Shows @p box with Yes and No; true for Yes.
    virtual bool askYesNo(const MessageBox& box) = 0;
    /// The index of the entry chosen, or nothing on Cancel.
    virtual std::optional<int> choose(const ChoiceBox& box) = 0;
    /// The account given, or nothing on Cancel.
    virtual std::optional<AccountAnswer> askAccount(const AccountBox& box) = 0;
    /// The version chosen, or nothing on Cancel.
    virtual std::optional<Comparison> compare(const ComparisonBox& box) = 0;

protected:
    /// The chosen file, or nothing when the user cancelled.
    virtual std::optional<FileChoice> askSaveFileName(const FileDialogSettings& settings) = 0;
    virtual std::optional<FileChoice> askOpenFileName(const FileDialogSettings& settings) = 0;
};
