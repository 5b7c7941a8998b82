#include "platform/write_access.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace WriteAccess {

bool folderWritable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString readOnlyMessage(const QString& folder, const QString& consequence) {
    return QStringLiteral("In den Ordner\r%1\rdarf MOX-ABC nicht schreiben: Er ist "
                          "schreibgeschützt.\r%2")
        .arg(QDir::toNativeSeparators(QDir(folder).absolutePath()), consequence);
}

bool allowed(Dialogs& dialogs, const QString& folder, const QString& consequence,
             const QString& title) {
    if (folderWritable(folder))
        return true;
    dialogs.msgBox(readOnlyMessage(folder, consequence), MsgBox::OkOnly, title);
    return false;
}

} // namespace WriteAccess
