#pragma once

#include "carddav/AddressBookCommand.h"
#include "carddav/PasswordStore.h"
#include "carddav/SendCommand.h"
#include "document/ContactSession.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "ui/FieldPersistence.h"
#include "ui/Form1.h"
#include "ui/PointerFeedback.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>

#include <memory>

/// Drags the file @p path onto @p widget and drops it there, then lets
/// what the drop queued run.
inline void dropFile(QWidget* widget, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    QCoreApplication::processEvents();
}

/**
 * The contact window as the program wires it, with scripted dialogs, a
 * fixed clock and a settings file of its own. restart() closes the window
 * and opens a new one on the same settings file.
 */
class FormHarness {
public:
    FormHarness() : settingsFile(settingsDir.filePath(QStringLiteral("Quillmere.conf"))) { open(); }
    explicit FormHarness(const QString& settingsFile) : settingsFile(settingsFile) { open(); }

    void open()
    {
        document = std::make_unique<ContactDocument>();
        session = std::make_unique<ContactSession>(
            *document, dialogs, [] { return TestSupport::exampleTime(); },
            [this] { return QStringLiteral("urn:uuid:%1").arg(++idsGiven, 36, 10, QChar(u'0')); });
        form = std::make_unique<Form1>(*session);
        pointer = std::make_unique<PointerFeedback>(*form);
        store = std::make_unique<SettingsStore>(settingsFile);
        persistence = std::make_unique<FieldPersistence>(*form, *store, [this](const QString& why) {
            dialogs.message({why, QStringLiteral("Quillmere"), MessageBox::Icon::Warning});
        });
        sender = std::make_unique<SendCommand>(*store, dialogs, passwords);
        session->setSender(sender.get());
        book = std::make_unique<AddressBookCommand>(sender->account());
        session->setBook(book.get());
    }

    void restart()
    {
        book.reset();
        sender.reset();
        persistence.reset();
        store.reset();
        pointer.reset();
        form.reset();
        session.reset();
        document.reset();
        open();
        persistence->restore();
    }

    template <typename T = QWidget> T* find(const QString& objectName) const { return form->findChild<T*>(objectName); }

    QTemporaryDir settingsDir;
    QString settingsFile;
    int idsGiven = 0;  ///< contacts begun: each gets urn:uuid: and this number
    ScriptedDialogs dialogs;
    std::unique_ptr<ContactDocument> document;
    std::unique_ptr<ContactSession> session;
    std::unique_ptr<Form1> form;
    std::unique_ptr<PointerFeedback> pointer;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<FieldPersistence> persistence;
    PasswordStore passwords;
    std::unique_ptr<SendCommand> sender;
    std::unique_ptr<AddressBookCommand> book;
};
