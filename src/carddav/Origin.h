#pragma once

#include <QString>
#include <QUrl>

/// Where credentials may go: the scheme, the host and the port of an address.
namespace Origin {

/// "https://host:443": the port always written, so that two spellings of one
/// server compare equal; "" for an address without a scheme or a host.
QString of(const QUrl& url);
/// "host", or "host:port" for a port not the scheme's own, as the user reads it in messages.
QString hostOf(const QUrl& url);
/// 127.0.0.0/8 or ::1: plain http there never leaves the computer.
bool isLoopback(const QUrl& url);
/// @p url without a user name or password in it.
QUrl withoutUserInfo(QUrl url);

}  // namespace Origin
