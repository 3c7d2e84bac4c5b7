#include "services/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QStringList ModuleFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/" QZ_MODULE_INSTALL_DIR)),
            QStringLiteral(QZ_MODULE_BUILD_DIR)};
}

void (*ModuleFunction(const QString& module, const char* symbol, const QStringList& folders,
                      QString& error))() {
    const QString fileName = module + QStringLiteral(QZ_MODULE_SUFFIX);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo::exists(path))
            continue;
        // The first module found is the one meant: one that fails to load is
        // reported rather than passed over for an older copy further on.
        QLibrary library(path);
        const QFunctionPointer function = library.resolve(symbol);
        if (!function)
            error = library.errorString();
        return function;
    }
    error = QStringLiteral("%1 was found in none of these folders: %2")
                .arg(fileName, folders.join(QStringLiteral(", ")));
    return nullptr;
}
