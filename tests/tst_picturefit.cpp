#include "editor/picturefit.h"

#include <QtTest>

class TestPictureFit : public QObject {
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void roundHalfEven_data();
    void roundHalfEven();
};

void TestPictureFit::fit_data() {
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("bw");
    QTest::addColumn<double>("bh");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    QTest::newRow("landscape 800x600 in 4000 square")
        << 800.0 << 600.0 << 4000.0 << 4000.0 << 0 << 500 << 4000.0 << 3000.0;
    QTest::newRow("portrait in a wide box")
        << 300.0 << 600.0 << 1000.0 << 500.0 << 375 << 0 << 250.0 << 500.0;
    QTest::newRow("portrait wider than a narrow box keeps its width")
        << 900.0 << 1000.0 << 100.0 << 1000.0 << 0 << 0 << 900.0 << 1000.0;
    QTest::newRow("square in a wide box fills it")
        << 50.0 << 50.0 << 465.0 << 354.0 << 0 << 0 << 465.0 << 354.0;
    QTest::newRow("square in a tall box fills it")
        << 640.0 << 640.0 << 100.0 << 300.0 << 0 << 0 << 100.0 << 300.0;
    // Height 900 at full width: the top offset is taken before the cut, so
    // the picture is squeezed to the box and stays at the top.
    QTest::newRow("landscape too tall is squeezed")
        << 1000.0 << 900.0 << 1000.0 << 500.0 << 0 << 0 << 1000.0 << 500.0;
    // (354 - 348.75) / 2 = 2.625 -> 3 (not a half)
    QTest::newRow("landscape in the preview box")
        << 640.0 << 480.0 << 465.0 << 354.0 << 0 << 3 << 465.0 << 348.75;
    QTest::newRow("landscape 4:3 in a tall box")
        << 640.0 << 480.0 << 465.0 << 360.0 << 0 << 6 << 465.0 << 348.75;
    // (101 - 100) / 2 = 0.5 -> 0; (103 - 100) / 2 = 1.5 -> 2; (105 - 100) / 2 = 2.5 -> 2
    QTest::newRow("half top offset to even 0")
        << 200.0 << 100.0 << 200.0 << 101.0 << 0 << 0 << 200.0 << 100.0;
    QTest::newRow("half top offset to even 2 from 1.5")
        << 200.0 << 100.0 << 200.0 << 103.0 << 0 << 2 << 200.0 << 100.0;
    QTest::newRow("half top offset to even 2 from 2.5")
        << 200.0 << 100.0 << 200.0 << 105.0 << 0 << 2 << 200.0 << 100.0;
    QTest::newRow("half left offset to even 4 from 3.5")
        << 100.0 << 200.0 << 107.0 << 200.0 << 4 << 0 << 100.0 << 200.0;
    QTest::newRow("empty box") << 100.0 << 50.0 << 0.0 << 354.0 << 0 << 0 << 0.0 << 0.0;
}

void TestPictureFit::fit() {
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, bw);
    QFETCH(double, bh);
    const PictureFit result = FitPicture(w, h, bw, bh);
    QTEST(result.left, "left");
    QTEST(result.top, "top");
    QTEST(result.width, "width");
    QTEST(result.height, "height");
}

void TestPictureFit::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("2.51") << 2.51 << 3;
    QTest::newRow("2.49") << 2.49 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("7") << 7.0 << 7;
}

void TestPictureFit::roundHalfEven() {
    QFETCH(double, value);
    QTEST(RoundHalfEven(value), "expected");
}

QTEST_APPLESS_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
