// SPDX-License-Identifier: MIT
#include "ui/widgets/imagelist.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

namespace {

// Turns a drawn picture into its disabled look: no colour, lighter, a little
// transparent, the way greyed toolbar pictures have always looked.
QImage greyed(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            // Rec. 601 luma in integers, then lifted towards white so dark outlines
            // become mid grey and light fills nearly vanish.
            const int luma = (qRed(p) * 77 + qGreen(p) * 150 + qBlue(p) * 29) >> 8;
            const int grey = 100 + luma * 125 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(p) * 3 / 4);
        }
    }
    return image;
}

// Draws one SVG file at exactly the size asked for, so no picture is ever scaled
// from a bitmap. Copies of the engine share the parsed file.
class SvgIconEngine final : public QIconEngine
{
public:
    SvgIconEngine(std::shared_ptr<QSvgRenderer> renderer, QString path, bool alwaysGreyed)
        : m_renderer(std::move(renderer)), m_path(std::move(path)), m_alwaysGreyed(alwaysGreyed)
    {
    }

    QIconEngine *clone() const override { return new SvgIconEngine(*this); }
    bool isNull() override { return !m_renderer->isValid(); }
    QString key() const override { return QStringLiteral("kestrun-svg"); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels here, as QIcon passes it; scale only tags the result.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        if (size.isEmpty() || !m_renderer->isValid())
            return {};
        const bool grey = m_alwaysGreyed || mode == QIcon::Disabled;
        const QString cacheKey = QStringLiteral("kestrun-svg|%1|%2x%3|%4")
                                     .arg(m_path)
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(grey ? 1 : 0);
        QPixmap result;
        if (!QPixmapCache::find(cacheKey, &result)) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            {
                QPainter painter(&image);
                m_renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
            }
            result = QPixmap::fromImage(grey ? greyed(std::move(image)) : image);
            QPixmapCache::insert(cacheKey, result);
        }
        result.setDevicePixelRatio(scale);
        return result;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QSize physical(int(std::lround(rect.width() * dpr)), int(std::lround(rect.height() * dpr)));
        painter->drawPixmap(rect, scaledPixmap(physical, mode, state, dpr));
    }

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
    QString m_path;
    bool m_alwaysGreyed;
};

QPixmap pixmapOf(const QIcon &icon, QSize size, qreal dpr)
{
    if (icon.isNull() || size.isEmpty() || !(dpr > 0))
        return {};
    return icon.pixmap(size, dpr);
}

} // namespace

ImageList::ImageList(const QStringList &paths) : m_paths(paths)
{
    m_normal.reserve(paths.size());
    m_disabled.reserve(paths.size());
    for (const QString &path : paths) {
        auto renderer = std::make_shared<QSvgRenderer>(path);
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
        if (!renderer->isValid()) {
            m_normal.emplace_back();
            m_disabled.emplace_back();
            continue;
        }
        m_normal.emplace_back(new SvgIconEngine(renderer, path, false));
        m_disabled.emplace_back(new SvgIconEngine(renderer, path, true));
    }
}

QString ImageList::path(int index) const
{
    return index >= 0 && index < count() ? m_paths.at(index) : QString();
}

QIcon ImageList::icon(int index) const
{
    return index >= 0 && index < count() ? m_normal[size_t(index)] : QIcon();
}

QIcon ImageList::disabledIcon(int index) const
{
    return index >= 0 && index < count() ? m_disabled[size_t(index)] : QIcon();
}

QPixmap ImageList::pixmap(int index, QSize size, qreal dpr) const
{
    return pixmapOf(icon(index), size, dpr);
}

QPixmap ImageList::disabledPixmap(int index, QSize size, qreal dpr) const
{
    return pixmapOf(disabledIcon(index), size, dpr);
}
