#pragma once

#include <QString>
#include <QUuid>

#include <functional>

/// A new identity for a contact ("urn:uuid:..."); tests fix it.
using IdSource = std::function<QString()>;

/// A random "urn:uuid:..." (RFC 4122, version 4).
inline QString newContactId()
{
    return QStringLiteral("urn:uuid:") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}
