#include "TravaPasta.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TTravaPasta::TTravaPasta(const QString& Arquivo) {
    // flock needs no write access: held read-only, the lock does not keep
    // the folder's file system from turning read-only under the station.
    const int Handle =
        ::open(QFile::encodeName(Arquivo).constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    if (Handle < 0) {
        return;
    }
    if (::flock(Handle, LOCK_EX | LOCK_NB) != 0) {
        ::close(Handle);
        return;
    }
    FHandle = Handle;
}

TTravaPasta::~TTravaPasta() {
    if (FHandle >= 0) {
        ::close(FHandle);
    }
}
