#include "carddav/AddressBookCommand.h"

struct AddressBookCommand::Listing {};

AddressBookCommand::AddressBookCommand(ServerAccount& account, QObject* parent) : QObject(parent), m_account(account)
{
    m_account.attach(m_client);
}

AddressBookCommand::~AddressBookCommand() = default;

void AddressBookCommand::list()
{
    emit listed(false);
}

void AddressBookCommand::open(const BookEntry&) {}

void AddressBookCommand::remove(const BookEntry&) {}

void AddressBookCommand::cancel()
{
    m_client.cancel();
}
