#include "carddav/Origin.h"

#include <QHostAddress>

namespace Origin {

QString of(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme.isEmpty() || url.host().isEmpty())
        return QString();
    const int port = url.port(scheme == u"https" ? 443 : scheme == u"http" ? 80 : -1);
    return QStringLiteral("%1://%2:%3").arg(scheme, url.host(QUrl::FullyEncoded).toLower()).arg(port);
}

QString hostOf(const QUrl& url)
{
    const int usual = url.scheme() == u"https" ? 443 : url.scheme() == u"http" ? 80 : -1;
    return url.port() > 0 && url.port() != usual ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

bool isLoopback(const QUrl& url)
{
    const QHostAddress address(url.host());
    return !address.isNull() && address.isLoopback();
}

QUrl withoutUserInfo(QUrl url)
{
    url.setUserInfo(QString());
    return url;
}

}  // namespace Origin
