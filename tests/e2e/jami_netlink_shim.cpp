// A test-only LD_PRELOAD library for jamid (Jami's daemon, 20230206) on Linux
// kernels from 6.9 on.
//
// Why: whenever jamid starts a re-INVITE (unmuting the video of a call among
// them) it lists the host's addresses over a NETLINK_ROUTE socket and reads
// the dump with blocking recv() calls until it sees NLMSG_DONE. Kernels before
// 6.9 send NLMSG_DONE in a datagram of its own; newer ones append it to the
// last datagram of data, and jamid's reader does not see it there. It then
// blocks in the next recv() - on the thread that serves the session bus - for
// a minute or more (we saw over 95 seconds on 6.18), and every bus call to
// jamid waits that long.
//
// What: for a netlink socket, a datagram that ends in NLMSG_DONE after other
// messages is handed back without it, and the NLMSG_DONE is kept and handed
// back by the next receive on that socket, as older kernels would have sent
// it. jamid reads the dump with plain blocking receives (no poll in between),
// so the kept message needs no readiness of its own. Everything else passes
// through unchanged.
//
// Only the tests and the benchmark load it (LD_PRELOAD=libjami_netlink_shim.so);
// the program never does.

#include <dlfcn.h>
#include <linux/netlink.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstring>

namespace {

constexpr int KeptFds = 1024;
constexpr size_t KeptBytes = 64;

// A NLMSG_DONE held back for one socket (known by its inode, so that a new
// socket that gets the same descriptor does not receive it).
struct Kept {
    ino_t inode = 0;
    size_t size = 0;
    unsigned char bytes[KeptBytes];
};

Kept kept[KeptFds];
pthread_mutex_t keptLock = PTHREAD_MUTEX_INITIALIZER;

using RecvMsg = ssize_t (*)(int, struct msghdr*, int);

RecvMsg realRecvMsg() {
    static RecvMsg real = reinterpret_cast<RecvMsg>(dlsym(RTLD_NEXT, "recvmsg"));
    return real;
}

bool isNetlink(int fd) {
    int domain = 0;
    socklen_t size = sizeof domain;
    return getsockopt(fd, SOL_SOCKET, SO_DOMAIN, &domain, &size) == 0 && domain == AF_NETLINK;
}

ino_t inodeOf(int fd) {
    struct stat st {};
    return fstat(fd, &st) == 0 ? st.st_ino : 0;
}

// Hands back the kept NLMSG_DONE of `fd`, if any, as a datagram of its own
// (cut short like any datagram when the buffer is smaller); -1 when none.
ssize_t takeKept(int fd, struct msghdr* message, int flags) {
    if (fd < 0 || fd >= KeptFds || message->msg_iovlen < 1)
        return -1;
    ssize_t given = -1;
    pthread_mutex_lock(&keptLock);
    Kept& k = kept[fd];
    if (k.size > 0 && k.inode == inodeOf(fd)) {
        const size_t room = message->msg_iov[0].iov_len;
        const size_t size = k.size < room ? k.size : room;
        std::memcpy(message->msg_iov[0].iov_base, k.bytes, size);
        given = static_cast<ssize_t>(size);
        message->msg_flags = size < k.size ? MSG_TRUNC : 0;
        message->msg_controllen = 0;
        if (!(flags & MSG_PEEK))
            k.size = 0;
    } else {
        k.size = 0;
    }
    pthread_mutex_unlock(&keptLock);
    return given;
}

// Splits a trailing NLMSG_DONE off a received datagram; returns the new size.
ssize_t splitDone(int fd, struct msghdr* message, ssize_t received, int flags) {
    if (received <= 0 || (flags & MSG_PEEK) || (message->msg_flags & MSG_TRUNC) ||
        fd >= KeptFds || message->msg_iovlen < 1 ||
        static_cast<size_t>(received) > message->msg_iov[0].iov_len)
        return received;
    auto* data = static_cast<unsigned char*>(message->msg_iov[0].iov_base);
    int left = static_cast<int>(received);
    auto* header = reinterpret_cast<struct nlmsghdr*>(data);
    struct nlmsghdr* last = nullptr;
    int count = 0;
    for (; NLMSG_OK(header, left); header = NLMSG_NEXT(header, left)) {
        last = header;
        ++count;
    }
    // (Looked at last: most datagrams - RTP above all - are no netlink dump.)
    if (count < 2 || last->nlmsg_type != NLMSG_DONE || !isNetlink(fd))
        return received;
    const size_t offset = static_cast<size_t>(reinterpret_cast<unsigned char*>(last) - data);
    const size_t doneSize = static_cast<size_t>(received) - offset;
    if (doneSize > KeptBytes)
        return received;
    pthread_mutex_lock(&keptLock);
    Kept& k = kept[fd];
    k.inode = inodeOf(fd);
    k.size = doneSize;
    std::memcpy(k.bytes, last, doneSize);
    pthread_mutex_unlock(&keptLock);
    return static_cast<ssize_t>(offset);
}

ssize_t receive(int fd, struct msghdr* message, int flags) {
    const ssize_t kept = takeKept(fd, message, flags);
    if (kept >= 0)
        return kept;
    const ssize_t received = realRecvMsg()(fd, message, flags);
    return splitDone(fd, message, received, flags);
}

} // namespace

extern "C" {

ssize_t recvmsg(int fd, struct msghdr* message, int flags) {
    return receive(fd, message, flags);
}

ssize_t recvfrom(int fd, void* buffer, size_t length, int flags, struct sockaddr* from,
                 socklen_t* fromLength) {
    struct iovec part {buffer, length};
    struct msghdr message {};
    message.msg_name = from;
    message.msg_namelen = fromLength ? *fromLength : 0;
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    const ssize_t received = receive(fd, &message, flags);
    if (received >= 0 && fromLength)
        *fromLength = message.msg_namelen;
    return received;
}

ssize_t recv(int fd, void* buffer, size_t length, int flags) {
    return recvfrom(fd, buffer, length, flags, nullptr, nullptr);
}

} // extern "C"
