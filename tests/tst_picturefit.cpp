#include "editor/picturefit.h"
#include "testdata.h"

#include <QtTest>

class TestPictureFit : public QObject {
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
};

void TestPictureFit::fit_data() {
    QTest::addColumn<QSizeF>("picture");
    QTest::addColumn<QSizeF>("box");
    QTest::addColumn<QRectF>("shown"); // left, top, width, height

    AddRow("landscape", QSizeF(800, 600), QSizeF(4000, 4000), QRectF(0, 500, 4000, 3000));
    AddRow("portrait in a wide box", QSizeF(300, 600), QSizeF(1000, 500), QRectF(375, 0, 250, 500));
    AddRow("portrait wider than a narrow box", QSizeF(900, 1000), QSizeF(100, 1000),
           QRectF(0, 0, 900, 1000));
    AddRow("square in a tall box", QSizeF(640, 640), QSizeF(100, 300), QRectF(0, 0, 100, 300));
    // 900 high at full width: the offset is taken before the cut, so it stays 0.
    AddRow("landscape too tall is squeezed", QSizeF(1000, 900), QSizeF(1000, 500),
           QRectF(0, 0, 1000, 500));
    // Offsets of a half go to the even number: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4.
    AddRow("top 0.5", QSizeF(200, 100), QSizeF(200, 101), QRectF(0, 0, 200, 100));
    AddRow("top 1.5", QSizeF(200, 100), QSizeF(200, 103), QRectF(0, 2, 200, 100));
    AddRow("top 2.5", QSizeF(200, 100), QSizeF(200, 105), QRectF(0, 2, 200, 100));
    AddRow("left 3.5", QSizeF(100, 200), QSizeF(107, 200), QRectF(4, 0, 100, 200));
    AddRow("empty box", QSizeF(100, 50), QSizeF(0, 354), QRectF());
}

void TestPictureFit::fit() {
    QFETCH(QSizeF, picture);
    QFETCH(QSizeF, box);
    const PictureFit result =
        FitPicture(picture.width(), picture.height(), box.width(), box.height());
    QTEST(QRectF(result.left, result.top, result.width, result.height), "shown");
}

QTEST_APPLESS_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
