#include "model/fileerror.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <map>

namespace {
const QString LineEnd = QStringLiteral("\r\n");
}

FileError FileError::of(int number) {
    static const std::map<int, QString> descriptions{
        {ErrorNumber::InvalidArgument, QStringLiteral("Invalid procedure call or argument")},
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
    return {number, found == descriptions.end() ? QString() : found->second, QString()};
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
    if (!error.reason.isEmpty())
        lines << error.reason;
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
    FileError error = FileError::of(ErrorNumber::PathFileAccess);
    // Only regular files: a device or a pipe (/dev/zero, say) may never end.
    if (info.isDir()) {
        error.reason = QStringLiteral("It is a folder.");
    } else if (!info.isFile()) {
        error.reason = QStringLiteral("It is a device or a pipe, not a file.");
    } else if (!file.open(QIODevice::ReadOnly)) {
        error.reason = file.errorString();
    } else {
        return FileError::ok();
    }
    return error;
}

FileError ErrorOfDevice(const QFileDevice& file) {
    if (file.error() == QFileDevice::NoError)
        return FileError::ok();
    // Qt tells a full disk apart only as a resource error, and a file over
    // the size limit only by its message: the system's text for EFBIG.
    const QString message = file.errorString();
    const auto is = [&message](int number) {
        return message == QString::fromLocal8Bit(std::strerror(number));
    };
    FileError error;
    if (file.error() == QFileDevice::ResourceError || is(ENOSPC) || is(EFBIG) || is(EDQUOT))
        error = FileError::of(ErrorNumber::DiskFull);
    else if (is(EIO))
        error = FileError::of(ErrorNumber::DeviceIo);
    else
        error = FileError::of(ErrorNumber::PathFileAccess);
    error.reason = message;
    return error;
}
