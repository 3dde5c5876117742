// SPDX-License-Identifier: MIT
// Renders the application icon into the PNG sizes of the hicolor icon theme.
//
// Usage: kestrun_render_icons <icon.svg> <theme folder> <name> <size>...
// writes <theme folder>/<size>x<size>/apps/<name>.png for each size.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

int fail(const std::string &message)
{
    std::fputs(("kestrun_render_icons: " + message + "\n").c_str(), stderr);
    return 1;
}

// A size in pixels, or 0 when the argument is not a whole number from 1 to 1024.
int parseSize(std::string_view text)
{
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size() || size < 1 || size > 1024)
        return 0;
    return size;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5)
        return fail("usage: kestrun_render_icons <icon.svg> <theme folder> <name> <size>...");

    // The build machine may have no display; the offscreen platform still gives the
    // renderer fonts and image formats.
    std::vector<char *> arguments{argv[0], const_cast<char *>("-platform"), const_cast<char *>("offscreen")};
    int argumentCount = int(arguments.size());
    QGuiApplication application(argumentCount, arguments.data());

    const QString source = QString::fromLocal8Bit(argv[1]);
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail("cannot read the SVG file " + std::string(argv[1]));

    for (int i = 4; i < argc; ++i) {
        const std::string_view sizeText(argv[i]);
        const int size = parseSize(sizeText);
        if (size == 0)
            return fail("not an icon size: " + std::string(sizeText));

        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }

        const QString pixels = QString::number(size);
        const QString folder = pixels + QLatin1Char('x') + pixels + QStringLiteral("/apps");
        if (!theme.mkpath(folder))
            return fail("cannot create the folder " + theme.filePath(folder).toStdString());
        const QString target = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!image.save(target, "PNG"))
            return fail("cannot write " + target.toStdString());
    }
    return 0;
}
