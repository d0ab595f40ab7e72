#include "tcp_ack.h"

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

void acknowledgeReceivedAtOnce(qintptr socketDescriptor) {
#ifdef Q_OS_LINUX
    if (socketDescriptor < 0)
        return;
    const int on = 1;
    // A failure only costs time; nothing to report.
    (void)setsockopt(static_cast<int>(socketDescriptor), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#else
    Q_UNUSED(socketDescriptor);
#endif
}
