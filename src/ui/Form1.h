#pragma once

#include "core/ContactSource.h"

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
class ContactDocument;
class ContactSession;
class ShareWindow;
class TabControl;

/**
 * The contact window: the view of the contact document. Its controls show
 * the document's 26 text fields, the birthday and the six "preferred" flags
 * of the phone fields, and each change typed goes into the document.
 */
class Form1 : public QWidget {
    Q_OBJECT
public:
    /// The window-wide pointer: the ordinary arrow or the custom image.
    enum class Pointer { Default = 0, Custom = 99 };

    explicit Form1(ContactSession& session, QWidget* parent = nullptr);
    ~Form1() override;

    ContactSession& session() const { return m_session; }

    /// What the controls show (the document's values).
    QString text(int i) const;
    bool checked(int k) const;
    QDate birthday() const;
    QString uid() const;

    /// Replaces the text of field @p i, as typing would.
    void setText(int i, const QString& text);
    void setChecked(int k, bool checked);
    /// Sets the birthday from an ISO or short-form date; other text gives none.
    void setBirthdayText(const QString& text);
    int selectedPage() const;
    /// Selects the page a text names; text that names no page selects page 0.
    void setSelectedPageText(const QString& text);

    /// Opens a card of the file @p path (the command line, a dropped file).
    void openCard(const QString& path);
    void openCard(const QByteArray& nativePath);
    /// Empties the form for a new contact, after asking when it holds
    /// anything typed (Ctrl+N, "New"), and starts again at Last Name.
    void newContact();
    /// "Export…" (Ctrl+E): the card in vCard 3.0 or 4.0.
    void exportCard();

    /// "Share" (Ctrl+Shift+S): opens the window with the contact's QR code.
    void shareCard();
    /// "Open from Address Book…" (Ctrl+Shift+O): the list of the address
    /// book's contacts, one of which the form opens.
    void openFromBook();
    /// The Share window, once it was opened.
    ShareWindow* shareWindow() const { return m_share; }
    /// Where the Share window was and whether it was open ("1 x y w h"); it
    /// opens there once the form is shown.
    void setShareWindowText(const QString& text);

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
    void pageChanged(int page);
    /// The Share window as it should be remembered ("1 x y w h").
    void shareWindowChanged(const QString& text);

private:
    void createControls();
    void createPage0(QWidget* page);
    void createPage1(QWidget* page);
    void createCorner();
    void setUpTabOrder();

    /// Each change typed goes into the document; each change of the
    /// document is shown.
    void connectDocument();
    template <typename Change> void oneWay(Change&& change);

    void browsePhoto();
    void chooseCard();
    void dropped(const QString& path);
    /// Where a window of @p size (no smaller than @p minimum) goes beside the form, on its screen.
    QRect besideTheForm(const QSize& size, const QSize& minimum) const;
    void showHelp();

    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();

    ContactSession& m_session;
    ContactDocument& m_document;
    bool m_syncing = false;  ///< a value is on its way between a control and the document

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
    QString m_shareText;  ///< as remembered, until the window is first made

    Pointer m_pointer = Pointer::Default;
    std::optional<QCursor> m_customPointer;
    std::function<std::optional<QCursor>()> m_makeCustomPointer;
};
