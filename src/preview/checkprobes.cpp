#include "preview/checkprobes.h"

#include "preview/previewfit.h"
#include "util/textrules.h"
#include "util/windows1252.h"

#include <QImageReader>

#include <array>
#include <map>
#include <memory>

namespace {

// A face at the smallest preview size, with the advance of every character of
// the code page, so that most questions are judged without laying them out.
struct FaceAtSmallest {
    explicit FaceAtSmallest(const QFont& font) : metrics(font) {
        const QFontMetricsF exact(font);
        for (int byte = 0x20; byte < 0x100; ++byte) {
            const QString character = DecodeWindows1252(QByteArray(1, char(byte)));
            advance[static_cast<size_t>(byte)] = exact.horizontalAdvance(character);
        }
    }

    // At least the width of the text on one line; -1 when a character may
    // break the line or come from another font.
    qreal oneLineWidth(const QString& text) const {
        qreal width = 0;
        for (const QChar character : text) {
            const char16_t unicode = character.unicode();
            // Below 0x80 and from 0xA0 to 0xFF the code page is Latin-1.
            int code = unicode < 0x80 || (unicode >= 0xA0 && unicode < 0x100) ? unicode : -1;
            if (code < 0 && IsWindows1252(character))
                code = static_cast<unsigned char>(EncodeWindows1252(QString(character)).at(0));
            if (code < 0x20 || code == 0x7F || IsUndefinedWindows1252(character))
                return -1;
            // Kerning may widen a pair slightly; half a pixel a character covers it.
            width += advance[static_cast<size_t>(code)] + 0.5;
        }
        return width;
    }

    QFontMetrics metrics;
    std::array<qreal, 256> advance{};
};

} // namespace

CheckProbes PreviewCheckProbes() {
    CheckProbes probes;
    // A check measures every question of a board, and the tool many boards:
    // each face is prepared once.
    auto faces = std::make_shared<std::map<QString, FaceAtSmallest>>();
    probes.questionFits = [faces](const QuestionRecord& record, bool withChoices) {
        const QString name = TrimSpaces(record.FontName);
        const QString key = name + QLatin1Char(record.FontBold ? 'B' : '-') +
                            QLatin1Char(record.FontItalic ? 'I' : '-');
        auto found = faces->find(key);
        if (found == faces->end()) {
            QFont font(name.isEmpty() ? DefaultFontName : name);
            font.setBold(record.FontBold);
            font.setItalic(record.FontItalic);
            font.setPointSize(PreviewSmallestSize);
            found = faces->emplace(key, FaceAtSmallest(font)).first;
        }
        const FaceAtSmallest& face = found->second;
        const QString text = record.QuestionText.trimmed();
        const QSize box(PreviewWidth, withChoices ? PreviewShortHeight : PreviewFullHeight);
        // Fitting at the smallest size is fitting at some size: a larger size
        // never fits where a smaller one does not. A text narrower than the
        // box on one line fits without being wrapped.
        const qreal width = face.oneLineWidth(text);
        if (width >= 0 && width + 2 < box.width() - 1 &&
            face.metrics.lineSpacing() + 2 < box.height())
            return true;
        return PreviewFitsAt(face.metrics, text, box);
    };
    probes.pictureProblem = [](const QString& path) {
        // The header only: enough to know the picture's format and size
        // without decoding a possibly large picture.
        QImageReader reader(path);
        if (!reader.canRead())
            return QStringLiteral("cannot be read: ") + reader.errorString();
        if (reader.supportsOption(QImageIOHandler::Size) && reader.size().isEmpty())
            return QStringLiteral("cannot be read: its size is missing");
        return QString();
    };
    return probes;
}
