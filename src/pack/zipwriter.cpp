#include "pack/zipwriter.h"

#include "model/safewrite.h"

#include <QFile>

#include <cerrno>
#include <zip.h>

namespace {

// libzip writes the archive into this: the file the safe write path made.
// It starts empty, so there is no old archive to read.
struct FileSink {
    QFile* file = nullptr;
    zip_error_t error{};
    FileError failure; // the first write that failed, in the system's words

    zip_int64_t fail(int zipError) {
        if (!failure.failed()) {
            failure = ErrorOfDevice(*file);
            if (!failure.failed())
                failure = ErrorFromErrno(EIO);
        }
        zip_error_set(&error, zipError, errno);
        return -1;
    }
};

zip_int64_t SinkCommand(void* userData, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto* sink = static_cast<FileSink*>(userData);
    QFile& file = *sink->file;
    switch (command) {
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(
            ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR,
            ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_BEGIN_WRITE,
            ZIP_SOURCE_COMMIT_WRITE, ZIP_SOURCE_ROLLBACK_WRITE, ZIP_SOURCE_WRITE,
            ZIP_SOURCE_SEEK_WRITE, ZIP_SOURCE_TELL_WRITE, ZIP_SOURCE_REMOVE, -1);
    case ZIP_SOURCE_STAT: {
        if (length < sizeof(zip_stat_t))
            return -1;
        auto* status = static_cast<zip_stat_t*>(data);
        zip_stat_init(status);
        status->size = 0;
        status->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_WRITE: {
        const qint64 written = file.write(static_cast<const char*>(data), qint64(length));
        return written == qint64(length) ? written : sink->fail(ZIP_ER_WRITE);
    }
    case ZIP_SOURCE_SEEK_WRITE: {
        const zip_int64_t offset = zip_source_seek_compute_offset(
            zip_uint64_t(file.pos()), zip_uint64_t(file.size()), data, length, &sink->error);
        if (offset < 0)
            return -1;
        return file.seek(offset) ? 0 : sink->fail(ZIP_ER_SEEK);
    }
    case ZIP_SOURCE_TELL_WRITE:
        return file.pos();
    case ZIP_SOURCE_BEGIN_WRITE:
        return file.seek(0) ? 0 : sink->fail(ZIP_ER_SEEK);
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&sink->error, data, length);
    // Reading the empty start, committing (the safe write path renames),
    // rolling back (it removes the new file) and freeing need nothing here.
    case ZIP_SOURCE_OPEN:
    case ZIP_SOURCE_READ:
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_SEEK:
    case ZIP_SOURCE_TELL:
    case ZIP_SOURCE_COMMIT_WRITE:
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE:
    case ZIP_SOURCE_FREE:
        return 0;
    default:
        zip_error_set(&sink->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

FileError ZipFailure(zip_error_t* error) {
    FileError failure = FileError::of(ErrorNumber::PathFileAccess);
    failure.reason = QString::fromLocal8Bit(zip_error_strerror(error));
    return failure;
}

// Adds one entry; false when libzip refuses it (the archive's error says why).
bool AddEntry(zip_t* archive, const ZipEntry& entry) {
    const QByteArray name = entry.name.toUtf8();
    if (name.endsWith('/'))
        return zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8) >= 0;
    zip_source_t* source =
        entry.file.isEmpty()
            ? zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()),
                                0)
            : zip_source_file(archive, QFile::encodeName(entry.file).constData(), 0, 0);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return entry.file.isEmpty() ||
           zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) == 0;
}

} // namespace

FileError WriteZip(QFile& target, const QList<ZipEntry>& entries) {
    FileSink sink;
    sink.file = &target;
    zip_error_init(&sink.error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_function_create(SinkCommand, &sink, &error);
    zip_t* archive =
        source ? zip_open_from_source(source, ZIP_CREATE | ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        const FileError failure = ZipFailure(&error);
        zip_source_free(source);
        zip_error_fini(&error);
        zip_error_fini(&sink.error);
        return failure;
    }
    zip_error_fini(&error);
    FileError failure;
    for (const ZipEntry& entry : entries) {
        if (!AddEntry(archive, entry)) {
            failure = ZipFailure(zip_get_error(archive));
            break;
        }
    }
    // The buffers of the entries made in memory are read here, while `entries` lives.
    if (!failure.failed() && zip_close(archive) != 0)
        failure = sink.failure.failed() ? sink.failure : ZipFailure(zip_get_error(archive));
    if (failure.failed())
        zip_discard(archive);
    zip_error_fini(&sink.error);
    return failure;
}
