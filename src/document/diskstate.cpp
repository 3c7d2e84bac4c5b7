#include "document/diskstate.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

DiskState DiskState::of(const QString& path) {
    DiskState state;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return state;
    state.exists = true;
    state.size = info.size();
    state.modified = info.lastModified();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (hash.addData(&file))
            state.hash = hash.result();
    }
    return state;
}
