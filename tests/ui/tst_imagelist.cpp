// SPDX-License-Identifier: MIT
#include "ui/main/images.h"
#include "ui/widgets/imagelist.h"

#include <QImage>
#include <QRegularExpression>
#include <QtTest>

namespace {

// True when at least a tenth of the picture is drawn: a picture that failed to load
// or rendered off its canvas comes out all transparent or nearly so.
bool drawsSomething(const QImage &image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 64)
                ++opaque;
    return opaque * 10 >= image.width() * image.height();
}

bool allGrey(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)))
                return false;
        }
    return true;
}

bool hasColour(const QImage &image)
{
    return !allGrey(image);
}

} // namespace

class TestImageList : public QObject
{
    Q_OBJECT

private slots:
    void kestrunListHasTheTwentyOnePictures();
    void everyPictureDraws_data();
    void everyPictureDraws();
    void highDensityDrawsAtDevicePixels();
    void outOfRangeGivesNull_data();
    void outOfRangeGivesNull();
    void unreadableFileGivesNullOnlyForItsIndex();

private:
    ImageList m_images{kestrunImagePaths()};
};

void TestImageList::kestrunListHasTheTwentyOnePictures()
{
    QCOMPARE(m_images.count(), 21);
    const QStringList paths = kestrunImagePaths();
    // The index is the file's number: menus and grid rows refer to pictures by index.
    for (int i = 0; i < paths.size(); ++i)
        QVERIFY2(paths[i].startsWith(QStringLiteral(":/icons/%1-").arg(i, 2, 10, QLatin1Char('0'))),
                 qPrintable(paths[i]));
}

void TestImageList::everyPictureDraws_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    const QStringList paths = kestrunImagePaths();
    for (int i = 0; i < paths.size(); ++i)
        for (const int size : {16, 32}) {
            const QString name = paths[i].section(QLatin1Char('/'), -1) + QLatin1Char('@') + QString::number(size);
            QTest::newRow(qPrintable(name)) << i << size;
        }
}

// Each picture loads, fills its square, and has a greyed twin that is a different
// picture: grey all over, where the normal one has colour.
void TestImageList::everyPictureDraws()
{
    QFETCH(int, index);
    QFETCH(int, size);
    QVERIFY(!m_images.icon(index).isNull());
    QVERIFY(!m_images.disabledIcon(index).isNull());

    const QImage normal = m_images.pixmap(index, QSize(size, size)).toImage();
    const QImage disabled = m_images.disabledPixmap(index, QSize(size, size)).toImage();
    QCOMPARE(normal.size(), QSize(size, size));
    QCOMPARE(disabled.size(), QSize(size, size));
    QVERIFY(drawsSomething(normal));
    QVERIFY(drawsSomething(disabled));
    QVERIFY(hasColour(normal));
    QVERIFY(allGrey(disabled));
    QVERIFY(normal != disabled);

    // A disabled toolbar button asks the normal icon for its disabled mode.
    const QImage disabledMode = m_images.icon(index).pixmap(QSize(size, size), 1.0, QIcon::Disabled).toImage();
    QCOMPARE(disabledMode.convertToFormat(QImage::Format_ARGB32), disabled.convertToFormat(QImage::Format_ARGB32));
}

void TestImageList::highDensityDrawsAtDevicePixels()
{
    const QPixmap pixmap = m_images.pixmap(8, QSize(16, 16), 2.0);
    QCOMPARE(pixmap.size(), QSize(32, 32));
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));

    // Drawn at 32 device pixels, not a 16-pixel picture blown up: the doubled
    // picture would repeat every pixel in 2 x 2 blocks.
    const QImage fine = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage coarse = m_images.pixmap(8, QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32)
                              .scaled(32, 32);
    QVERIFY(fine != coarse);
}

void TestImageList::outOfRangeGivesNull_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the end") << 21;
    QTest::newRow("far past the end") << 1000;
}

void TestImageList::outOfRangeGivesNull()
{
    QFETCH(int, index);
    QVERIFY(m_images.icon(index).isNull());
    QVERIFY(m_images.disabledIcon(index).isNull());
    QVERIFY(m_images.pixmap(index, QSize(16, 16)).isNull());
    QVERIFY(m_images.disabledPixmap(index, QSize(16, 16)).isNull());
    QVERIFY(m_images.path(index).isEmpty());
}

void TestImageList::unreadableFileGivesNullOnlyForItsIndex()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no-such-picture")));
    const ImageList images({QStringLiteral(":/icons/08-save.svg"), QStringLiteral(":/icons/no-such-picture.svg"),
                            QStringLiteral(":/icons/09-clipboard.svg")});
    QCOMPARE(images.count(), 3);
    QVERIFY(!images.icon(0).isNull());
    QVERIFY(images.icon(1).isNull());
    QVERIFY(images.disabledIcon(1).isNull());
    QVERIFY(!images.icon(2).isNull());
}

QTEST_MAIN(TestImageList)
#include "tst_imagelist.moc"
