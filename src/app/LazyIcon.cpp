#include "app/LazyIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <map>

namespace {

class LazyIconEngine : public QIconEngine {
public:
    explicit LazyIconEngine(const QList<QPair<QSize, QString>>& files) : m_files(files) {}

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const auto& [size, file] : m_files)
            sizes << size;
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QSize best = bestFor(size);
        return best.width() <= size.width() && best.height() <= size.height() ? best : size;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QSize best = bestFor(size);
        auto loaded = m_loaded.find(best.width());
        if (loaded == m_loaded.end())
            loaded = m_loaded.emplace(best.width(), QPixmap(fileFor(best))).first;
        const QPixmap& image = loaded->second;
        return image.size() == size || image.isNull()
                   ? image
                   : image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QIconEngine* clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }

private:
    /// The smallest image at least as large as @p size, else the largest
    /// (the files are given from the smallest up).
    QSize bestFor(const QSize& size) const
    {
        for (const auto& [available, file] : m_files) {
            if (available.width() >= size.width() && available.height() >= size.height())
                return available;
        }
        return m_files.isEmpty() ? QSize() : m_files.last().first;
    }

    QString fileFor(const QSize& size) const
    {
        for (const auto& [available, file] : m_files) {
            if (available == size)
                return file;
        }
        return {};
    }

    QList<QPair<QSize, QString>> m_files;
    std::map<int, QPixmap> m_loaded;
};

}  // namespace

QIcon lazyIcon(const QList<QPair<QSize, QString>>& files)
{
    return QIcon(new LazyIconEngine(files));
}
