#pragma once

#include "core/Clock.h"
#include "core/ContactSource.h"
#include "core/Dialogs.h"
#include "core/IdSource.h"
#include "vcard/KeptCard.h"
#include "vcard/ModernCard.h"

#include <QCursor>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class BirthdayEdit;
class QDragEnterEvent;
class QDropEvent;
class NotesEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SendCommand;
class ShareWindow;
struct ReadCard;
class TabControl;

/**
 * The contact window. Its controls are the contact: 26 text fields, the
 * birthday and the six "preferred" flags of the phone fields.
 */
class Form1 : public QWidget, public ContactSource {
    Q_OBJECT
public:
    /// The window-wide pointer: the ordinary arrow or the custom image.
    enum class Pointer { Default = 0, Custom = 99 };

    /// @p ids makes the identity of each new contact.
    Form1(Dialogs& dialogs, Clock clock, IdSource ids = newContactId, QWidget* parent = nullptr);
    ~Form1() override;

    QString text(int i) const override;
    bool checked(int k) const override;
    QDate birthday() const override;
    QString uid() const override { return m_uid; }

    /// Gives the contact the identity @p uid; a change emits uidChanged().
    void setUid(const QString& uid);
    /// Gives the contact an identity when it has none: its cards begin here.
    void ensureUid();
    /// The version an export offers first: the last one chosen.
    CardVersion exportVersion() const { return m_exportVersion; }
    /// The card the contact was read from, and what the user changed since.
    const KeptCard& keptCard() const { return m_kept; }
    const CardEdits& edits() const { return m_edits; }
    /// Sets it from the text of a version ("3.0", "4.0"); other text gives 3.0.
    void setExportVersionText(const QString& text);
    /// Where dialog @p which opens: the folder it was last used in, "" when never.
    QString lastFolder(DialogFolder which) const { return m_folders.at(int(which)); }
    /// A change emits lastFolderChanged().
    void setLastFolder(DialogFolder which, const QString& folder);

    /// Replaces the text of field @p i; a change emits fieldChanged(i).
    void setText(int i, const QString& text);
    void setChecked(int k, bool checked);
    /// Sets the birthday from an ISO or short-form date; other text gives none.
    void setBirthdayText(const QString& text);
    int selectedPage() const;
    /// Selects the page a text names; text that names no page selects page 0.
    void setSelectedPageText(const QString& text);

    /**
     * Replaces the contact by a card of the file @p path (the user chooses
     * which when it holds several), after asking when the form holds
     * anything typed; says what was not loaded. Ctrl+O and a file dropped
     * on the window come here too.
     */
    void openCard(const QString& path);
    /// The same for a path as the file system holds it, in whatever encoding.
    void openCard(const QByteArray& nativePath);

    /// Replaces the contact by @p card, the server's copy of it that the
    /// user chose to load; says what was not loaded.
    void loadServerCopy(const QByteArray& card);

    /// What "Send to Address Book…" uses; the program gives it one.
    void setSender(SendCommand* sender) { m_sender = sender; }
    SendCommand* sender() const { return m_sender; }

    /// Empties the form for a new contact, after asking when it holds
    /// anything typed (Ctrl+N, "New").
    void newContact();

    /// "Export…" (Ctrl+E): the card in vCard 3.0 or 4.0.
    void exportCard();

    /// "Share" (Ctrl+Shift+S): opens the window with the contact's QR code.
    void shareCard();
    /// The Share window, once it was opened.
    ShareWindow* shareWindow() const { return m_share; }
    /// Where the Share window was and whether it was open ("1 x y w h"); it
    /// opens there once the form is shown.
    void setShareWindowText(const QString& text);

    /// How a command ends on a failure: a warning box (silence on Cancel),
    /// or the "Application Error" box.
    enum class OnFailure { QuietEnd, ReportBox };
    /// Runs a command of a button or a key; any failure, of any kind, ends
    /// in its box.
    void guarded(const std::function<void()>& command, OnFailure onFailure);

    Pointer pointer() const { return m_pointer; }
    void setPointer(Pointer pointer);
    /// The image that Pointer::Custom shows; without one it shows the arrow.
    void setCustomPointerImage(const QCursor& cursor);
    /// The same, made by @p make the first time it is shown (nothing: the arrow).
    void setCustomPointerImage(std::function<std::optional<QCursor>()> make);

    /// The controls, for the start-up steps that style them.
    QWidget* txtTextbox(int i) const;
    QCheckBox* Check1(int k) const { return m_checks.at(k); }
    /// Buttons and frames count from 1, as their names do (PushButton1, Frame1).
    QPushButton* pushButton(int n) const;
    QGroupBox* frame(int n) const;
    QLabel* picConvert() const { return m_picConvert; }

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// Tab and Shift+Tab walk the designed order as a cycle, over the
    /// controls of the page that is shown.
    bool focusNextPrevChild(bool next) override;
    /// Enter and Return press a focused button, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void fieldChanged(int i);
    void birthdayChanged(const QDate& date);
    void pageChanged(int page);
    void uidChanged(const QString& uid);
    void exportVersionChanged(const QString& version);
    void lastFolderChanged(DialogFolder which, const QString& folder);
    /// Anything of the contact changed: a field, a flag, the birthday, its identity.
    void contactChanged();
    /// The Share window as it should be remembered ("1 x y w h").
    void shareWindowChanged(const QString& text);

private:
    void createControls();
    void createPage0(QWidget* page);
    void createPage1(QWidget* page);
    void createCorner();
    void setUpTabOrder();

    void browsePhoto();
    void chooseCard();
    void loadCard(const QByteArray& nativePath);
    /// Puts @p card into every control, its photo stored first.
    void fill(ReadCard& card);
    bool holdsTyping() const;
    void clearForm();
    void dropped(const QString& path);
    /// Where a window of @p size (no smaller than @p minimum) goes beside the form, on its screen.
    QRect besideTheForm(const QSize& size, const QSize& minimum) const;
    void showHelp();

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();

    Dialogs& m_dialogs;
    Clock m_clock;
    IdSource m_ids;
    QString m_uid;
    CardVersion m_exportVersion = CardVersion::V30;
    KeptCard m_kept;
    CardEdits m_edits;
    std::array<QString, 3> m_folders;  ///< by DialogFolder

    std::array<QLineEdit*, 25> m_lines{};
    NotesEdit* m_notes = nullptr;
    std::array<QCheckBox*, 6> m_checks{};
    BirthdayEdit* m_birthday = nullptr;
    TabControl* m_tabs = nullptr;
    std::array<QPushButton*, 4> m_buttons{};
    std::array<QGroupBox*, 4> m_frames{};
    QLabel* m_picConvert = nullptr;
    QList<QWidget*> m_tabOrder;
    QList<QWidget*> m_commandButtons;  ///< New, Open, Export, Share in the corner
    ShareWindow* m_share = nullptr;
    SendCommand* m_sender = nullptr;
    QString m_shareText;  ///< as remembered, until the window is first made

    Pointer m_pointer = Pointer::Default;
    std::optional<QCursor> m_customPointer;
    std::function<std::optional<QCursor>()> m_makeCustomPointer;
};
