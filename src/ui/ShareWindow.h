#pragma once

#include "qr/ShareCard.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>

class ContactDocument;
class ContactSession;
class QLabel;
class QListWidget;
class QPushButton;

/// Draws a QR code as large as it fits, each module a whole number of
/// pixels; a hint where there is no code.
class QrView : public QWidget {
    Q_OBJECT
public:
    explicit QrView(QWidget* parent = nullptr);
    /// Shows @p code, or @p hint when there is none.
    void show(const std::optional<QrCode>& code, const QString& hint);
    /// Pixels a module at the present size; 0 without a code.
    int modulePixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QrCode> m_code;
    QString m_hint;
    QImage m_drawn;  ///< the code at the module size last drawn
};

/**
 * The contact as a QR code, in a window beside the form that stays open
 * while the user types: the code follows every change of the form, at most
 * once per turn of the event loop, and nothing is computed while the
 * window is closed. From here the card is also sent to an address-book
 * server, while typing goes on, and a contact of that address book is
 * opened into the form. Below, the properties of the card it was
 * read from that the form does not show, as they will be written back.
 */
class ShareWindow : public QWidget {
    Q_OBJECT
public:
    /// A window of its own, beside @p form.
    ShareWindow(ContactSession& session, QWidget* form);

    /// What the code shows now; nothing for an empty form or while closed.
    const std::optional<SharedCard>& card() const { return m_card; }
    QrView* view() const { return m_view; }
    /// The kept card's other properties, one a line; hidden when there are none.
    QListWidget* otherProperties() const { return m_other; }

signals:
    /// The window was opened, closed, moved or resized (moves are told
    /// once they come to rest).
    void placeChanged(bool open, const QRect& geometry);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void formChanged();
    void refresh();
    void listOtherProperties();
    void saveCode();
    void copyCode();
    void sendCard(bool startOver);
    void openFromBook();
    void sending(const QString& progress);
    void showOrigins();

    ContactSession& m_session;
    ContactDocument& m_document;
    QrView* m_view;
    QLabel* m_line;
    QPushButton* m_save;
    QPushButton* m_copy;
    QPushButton* m_send;
    QPushButton* m_openFromBook;
    QPushButton* m_change;
    QPushButton* m_cancel;
    QLabel* m_origins;  ///< the other servers the account's password may go to
    QLabel* m_otherLabel;
    QListWidget* m_other;
    std::optional<SharedCard> m_card;
    bool m_refreshQueued = false;
    QTimer m_placeSettles;
};
