#include "tool/commands.h"

int runCheck(const QStringList&, QTextStream&, QTextStream& err) {
    err << "quizmora-tool: check is being written\n";
    return 1;
}
