#pragma once

#include <QString>
#include <QStringList>

class QFile;
class QFileDevice;

// Error numbers as the game's reports show them.
namespace ErrorNumber {
constexpr int None = 0;
constexpr int InvalidArgument = 5; // a set the file format cannot hold
constexpr int Overflow = 6;
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int DeviceIo = 57;
constexpr int InputPastEnd = 62;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidPicture = 481;
constexpr int PrinterError = 482; // a printer that cannot start or continue a document
} // namespace ErrorNumber

// The result of an operation that can fail: number 0 means success.
struct FileError {
    int number = ErrorNumber::None;
    QString description;
    // Why, in the system's words ("No space left on device"), shown on a
    // line of its own after the report: the number alone cannot be acted on.
    QString reason;

    bool failed() const { return number != ErrorNumber::None; }
    static FileError ok() { return {}; }
    // The error with its number's description ("Disk full" for 61, ...).
    static FileError of(int number);
};

// The two shapes of the "untrapped error" report. The reader and writer use
// the colon form; the window commands use the period form with an empty line.
enum class ReportStyle { Colon, Period };

// Builds the error report's text, lines joined by CR LF:
// "An untrapped error has occurred. Please make a ", the note line, (an empty
// line for the period form), "Error Number: n", "Description: d",
// "Location: l", procedureLine, then any trailing lines, then the reason.
QString ErrorReportText(ReportStyle style, const FileError& error, const QString& location,
                        const QString& procedureLine, const QStringList& trailingLines = {});

// Opens `file` for reading: 53 "File not found" when it does not exist, 75
// "Path/File access error" when it is not a regular file or cannot be
// opened, with the reason.
FileError OpenForReading(QFile& file);

// The four-line text of the writer's error-75 box (title "Quizmora", exclamation icon).
QString SaveAccessErrorText();

// The error of a file that failed, from what it reports: 61 for a full disk
// or a file over the size limit, 57 for an I/O error, else 75; the
// system's text as the reason.
FileError ErrorOfDevice(const QFileDevice& file);
