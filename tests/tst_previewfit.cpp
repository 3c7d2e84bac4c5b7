// The preview's font size: the fast search against the size-by-size definition.
#include "editor/previewfit.h"

#include <QFontMetrics>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The largest size from 80 down to 6 at which the wrapped text (one unit
// narrower than the box) is strictly lower and narrower than the box.
int SizeBySize(QFont font, const QString& text, const QSize& box) {
    for (int size = PreviewLargestSize; size >= PreviewSmallestSize; --size) {
        font.setPointSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, box.width() - 1, 1 << 20),
                                                             Qt::TextWordWrap, text);
        if (needed.height() < box.height() && needed.width() < box.width())
            return size;
    }
    return PreviewSmallestSize - 1;
}

} // namespace

class TestPreviewFit : public QObject {
    Q_OBJECT

private slots:
    void fastSearchMatchesSizeBySize() {
        const QString words =
            u"The capital of this country on the Danube is home to the Hofburg palace "_s;
        QFont font(u"Courier New"_s);
        font.setBold(true);
        font.setItalic(true);
        const QList<QSize> boxes{{472, 354}, {472, 207}, {60, 40}};
        for (const QSize& box : boxes) {
            for (int length = 0; length <= 256; length += length < 24 ? 1 : 29) {
                const QString text = words.repeated(4).left(length);
                QCOMPARE(PreviewFontSize(font, text, box), SizeBySize(font, text, box));
            }
            const QString longWord(200, u'W');
            QCOMPARE(PreviewFontSize(font, longWord, box), SizeBySize(font, longWord, box));
        }
        // Nothing fits a box one unit high: the size below the smallest.
        QCOMPARE(PreviewFontSize(font, u"a"_s, QSize(472, 1)), PreviewSmallestSize - 1);
    }
};

QTEST_MAIN(TestPreviewFit)
#include "tst_previewfit.moc"
