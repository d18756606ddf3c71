#include "testsupport.h"

#include "widgets/bigtoolbutton.h"
#include "widgets/descriptionboxitemwidget.h"
#include "widgets/descriptionboxwidget.h"
#include "widgets/gallerywidget.h"
#include "widgets/widgetwithbackground.h"

#include <QLayout>

namespace {

QStringList vehiclePictures(int count)
{
    static const QStringList names{"car", "jeep", "van", "rv", "truck", "bus", "motorcycle", "bicycle",
                                   "trailer", "agricultural", "machine", "boat", "other"};
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(QStringLiteral(":resource/icons/vehicle-%1-256.png").arg(names.at(i % names.size())));
    return paths;
}

// A one-colour picture written to a temporary file.
QString solidPicture(const QTemporaryDir &dir, const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(QStringLiteral("solid-%1x%2.png").arg(size.width()).arg(size.height()));
    image.save(path);
    return path;
}

QColor pixel(QWidget &widget, const QPoint &point)
{
    return widget.grab().toImage().pixelColor(point);
}

class CountingButton : public CBigToolButton
{
public:
    int overridden = 0;
    void slotActivateModule() override { ++overridden; }
};

} // namespace

class TestCommonWidgets : public QObject
{
    Q_OBJECT

private slots:
    void backgroundGeometry_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QRect>("expected");

        const QPoint none(0, 0);
        QTest::newRow("offset at own size") << 0 << QSize(100, 80) << QSize(30, 20) << QPoint(5, -7)
                                            << QRect(5, -7, 30, 20);
        QTest::newRow("unknown mode paints as offset") << 9 << QSize(100, 80) << QSize(30, 20) << QPoint(5, 7)
                                                       << QRect(5, 7, 30, 20);
        QTest::newRow("fill wide picture cut at the sides") << 1 << QSize(100, 100) << QSize(200, 100) << none
                                                            << QRect(-50, 0, 200, 100);
        QTest::newRow("fill tall picture cut at top and bottom") << 1 << QSize(100, 100) << QSize(100, 200) << none
                                                                 << QRect(0, -50, 100, 200);
        // Whole-number ratios (3/2 and 1/1 both truncate to 1) used to leave bands.
        QTest::newRow("fill covers widget when truncated ratios are equal") << 1 << QSize(100, 100) << QSize(150, 100)
                                                                            << none << QRect(-25, 0, 150, 100);
        QTest::newRow("fill zero-height widget paints nothing") << 1 << QSize(100, 0) << QSize(10, 10) << none
                                                                << QRect();
        QTest::newRow("fit wide picture centred vertically") << 2 << QSize(100, 100) << QSize(200, 100) << none
                                                             << QRect(0, 25, 100, 50);
        QTest::newRow("fit tall picture centred horizontally") << 2 << QSize(100, 100) << QSize(100, 200) << none
                                                               << QRect(25, 0, 50, 100);
        QTest::newRow("tiled from offset to bottom-right") << 4 << QSize(100, 80) << QSize(10, 10) << QPoint(10, 20)
                                                           << QRect(10, 20, 90, 60);
        QTest::newRow("centred at own size") << 5 << QSize(100, 80) << QSize(40, 20) << none << QRect(30, 30, 40, 20);
        QTest::newRow("empty picture paints nothing") << 2 << QSize(100, 80) << QSize(0, 0) << none << QRect();
    }

    void backgroundGeometry()
    {
        QFETCH(int, mode);
        QFETCH(QSize, widget);
        QFETCH(QSize, picture);
        QFETCH(QPoint, offset);
        QTEST(CWidgetWithBackground::backgroundRect(mode, widget, picture, offset.x(), offset.y()), "expected");
    }

    void backgroundPaintsWhereTheModeSays_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("red");
        QTest::addColumn<QPoint>("notRed");

        // A 10 x 10 red picture at offset (20, 20) on a 40 x 40 widget.
        QTest::newRow("offset: one picture") << 0 << QPoint(25, 25) << QPoint(35, 35);
        QTest::newRow("tiled: second tile follows the first") << 4 << QPoint(35, 35) << QPoint(15, 15);
        QTest::newRow("stretch: whole widget") << 3 << QPoint(2, 2) << QPoint(-1, -1);
    }

    void backgroundPaintsWhereTheModeSays()
    {
        QFETCH(int, mode);
        QFETCH(QPoint, red);
        QFETCH(QPoint, notRed);

        QTemporaryDir dir;
        CWidgetWithBackground widget;
        widget.resize(40, 40);
        widget.setBackgroundImage(solidPicture(dir, QSize(10, 10), Qt::red));
        widget.setBackgroundOffset(20, 20);
        widget.setBackgroundMode(mode);

        QCOMPARE(pixel(widget, red), QColor(Qt::red));
        if (notRed.x() >= 0)
            QVERIFY(pixel(widget, notRed) != QColor(Qt::red));
    }

    void galleryGrid_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("leftOffset");
        QTest::addColumn<int>("height");

        QTest::newRow("300 wide, 10 pictures") << 300 << 10 << 4 << 3 << 36 << 186;
        QTest::newRow("rows exactly filled") << 300 << 8 << 4 << 2 << 36 << 127;
        QTest::newRow("no pictures") << 300 << 0 << 4 << 0 << 36 << 9;
        QTest::newRow("67 wide: no column, one row") << 67 << 5 << 0 << 1 << 38 << 68;
        QTest::newRow("68 wide: first column") << 68 << 5 << 1 << 5 << 9 << 304;
    }

    void galleryGrid()
    {
        QFETCH(int, width);
        QFETCH(int, pictures);
        QFETCH(int, height);

        GalleryWidget gallery;
        QCOMPARE(gallery.height(), 100);
        gallery.resize(width, 100);
        gallery.setImages(vehiclePictures(pictures));
        gallery.show();
        QTEST(gallery.columnCount(), "columns");
        QTEST(gallery.rowCount(), "rows");
        QTEST(gallery.leftOffsetX(), "leftOffset");
        QCOMPARE(gallery.height(), height);
    }

    void galleryPressSelects_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("expected");

        // 300 wide, 10 pictures, index 5 selected beforehand.
        QTest::newRow("first cell") << 300 << QPoint(40, 20) << 0;
        QTest::newRow("second cell") << 300 << QPoint(100, 20) << 1;
        QTest::newRow("last picture, third row") << 300 << QPoint(100, 130) << 9;
        QTest::newRow("above the grid") << 300 << QPoint(40, 3) << 5;
        QTest::newRow("left of the grid") << 300 << QPoint(20, 20) << 5;
        QTest::newRow("right of the last column") << 300 << QPoint(280, 20) << 5;
        QTest::newRow("empty cell after the last picture") << 300 << QPoint(220, 130) << 5;
        QTest::newRow("narrow gallery ignores presses") << 60 << QPoint(10, 20) << 5;
    }

    void galleryPressSelects()
    {
        QFETCH(int, width);
        QFETCH(QPoint, press);
        QFETCH(int, expected);

        GalleryWidget gallery;
        gallery.resize(width, 100);
        const QStringList paths = vehiclePictures(10);
        gallery.setImages(paths);
        gallery.selectImage(paths.at(5));
        gallery.show();

        QTest::mousePress(&gallery, Qt::LeftButton, Qt::NoModifier, press);
        QCOMPARE(gallery.selectedIndex(), expected);
        QCOMPARE(gallery.selectedImage(), paths.at(expected));
    }

    void descriptionBoxKeepsOrderAboveStretch()
    {
        CDescriptionBoxWidget box;
        box.setTitle(QStringLiteral("About"));
        box.addItem(QStringLiteral("A"));
        box.addItem(QStringLiteral("B"), QStringLiteral("Heading B"));
        box.addItem(QStringLiteral("C"), QString(), QStringLiteral(":resource/icons/lightbulb-48.png"));
        box.addItem(QStringLiteral("D"), QString(), QStringLiteral(":resource/icons/missing.png"));
        box.show();

        const QList<CDescriptionBoxItemWidget *> items = box.items();
        QCOMPARE(items.size(), 4);
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items.at(i)->text(), QString(QLatin1Char('A' + i)));
            if (i > 0)
                QVERIFY(items.at(i - 1)->y() < items.at(i)->y());
        }
        QLayout *itemsLayout = items.at(0)->parentWidget()->layout();
        QCOMPARE(itemsLayout->count(), 5);
        QVERIFY(itemsLayout->itemAt(4)->spacerItem());

        // Empty heading or path, or a picture that does not load, leave the part empty.
        QCOMPARE(items.at(0)->heading(), QString());
        QCOMPARE(items.at(1)->heading(), QStringLiteral("Heading B"));
        QVERIFY(!items.at(0)->hasIcon());
        QVERIFY(items.at(2)->hasIcon());
        QVERIFY(!items.at(3)->hasIcon());
    }

    void bigToolButtonActivatesItsModule()
    {
        QList<int> activated;
        CBigToolButton::setModuleActivator([&activated](int id) { activated.append(id); });

        CBigToolButton button;
        QCOMPARE(button.size(), QSize(78, 78));
        QTest::mouseClick(&button, Qt::LeftButton);
        button.setModuleId(140);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(activated, QList<int>{140});

        // Subclasses such as the garage button replace the activation.
        CountingButton counting;
        counting.setModuleId(2);
        QTest::mouseClick(&counting, Qt::LeftButton);
        QCOMPARE(counting.overridden, 1);
        QCOMPARE(activated, QList<int>{140});

        CBigToolButton::setModuleActivator(nullptr);
    }
};

GARVO_TEST_MAIN(TestCommonWidgets)
#include "tst_commonwidgets.moc"
