#include "model/fileerror.h"

#include <QFile>
#include <QFileInfo>
#include <map>

namespace {
const QString LineEnd = QStringLiteral("\r\n");
}

FileError FileError::of(int number) {
    static const std::map<int, QString> descriptions{
        {ErrorNumber::Overflow, QStringLiteral("Overflow")},
        {ErrorNumber::FileNotFound, QStringLiteral("File not found")},
        {ErrorNumber::DeviceIo, QStringLiteral("Device I/O error")},
        {ErrorNumber::DiskFull, QStringLiteral("Disk full")},
        {ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error")},
        {ErrorNumber::PathNotFound, QStringLiteral("Path not found")},
        {ErrorNumber::PrinterError, QStringLiteral("Printer error")},
        {ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture")},
    };
    const auto found = descriptions.find(number);
    return {number, found == descriptions.end() ? QString() : found->second};
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
        return FileError::of(ErrorNumber::FileNotFound);
    // Only regular files: a device or a pipe (/dev/zero, say) may never end.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileError::of(ErrorNumber::PathFileAccess);
    return FileError::ok();
}
