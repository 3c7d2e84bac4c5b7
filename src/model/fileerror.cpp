#include "model/fileerror.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString LineEnd = QStringLiteral("\r\n");
}

QString ErrorReportText(ReportStyle style, const FileError& error, const QString& location,
                        const QString& procedureLine, const QStringList& trailingLines) {
    QStringList lines;
    lines << QStringLiteral("An untrapped error has occurred. Please make a ");
    if (style == ReportStyle::Colon) {
        lines << QStringLiteral("note of the following information: ");
    } else {
        lines << QStringLiteral("note of the following information.") << QString();
    }
    lines << QStringLiteral("Error Number: ") + QString::number(error.number)
          << QStringLiteral("Description: ") + error.description
          << QStringLiteral("Location: ") + location << procedureLine;
    lines << trailingLines;
    return lines.join(LineEnd);
}

QString SaveAccessErrorText() {
    return QStringList{
        QStringLiteral("Unable to save to the specified directory."),
        QStringLiteral("You may not have permission to write to this file/directory."),
        QStringLiteral("Contact your system administrator or save in \"My Documents\"."),
        QStringLiteral("For help, contact Quizmora support."),
    }
        .join(LineEnd);
}

FileError OpenForReading(QFile& file) {
    const QFileInfo info(file.fileName());
    if (file.fileName().isEmpty() || !info.exists())
        return {ErrorNumber::FileNotFound, QStringLiteral("File not found")};
    // Only regular files: a device or a pipe (/dev/zero, say) may never end.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error")};
    return FileError::ok();
}
