#include "TravaPasta.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TTravaPasta::TTravaPasta(const QString& Arquivo) {
    // flock needs no write access: held read-only, the lock does not keep
    // the folder's file system from turning read-only under the station.
    const int Handle =
        ::open(QFile::encodeName(Arquivo).constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    if (Handle < 0) {
        FErro = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    if (::flock(Handle, LOCK_EX | LOCK_NB) != 0) {
        FOcupada = errno == EWOULDBLOCK;
        FErro = QString::fromLocal8Bit(std::strerror(errno));
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
