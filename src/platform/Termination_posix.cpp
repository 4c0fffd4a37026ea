// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

int WakePipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
extern "C" void NoteSignal(int)
{
    const char Byte = 1;
    [[maybe_unused]] const ssize_t Written = write(WakePipe[1], &Byte, 1);
}

}  // namespace

void OnTerminationRequest(QObject* Context, std::function<void()> Request)
{
    if (WakePipe[0] < 0 && pipe2(WakePipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* Notifier = new QSocketNotifier(WakePipe[0], QSocketNotifier::Read, Context);
    QObject::connect(Notifier, &QSocketNotifier::activated, Context, [Request = std::move(Request)] {
        char Bytes[16];
        while (read(WakePipe[0], Bytes, sizeof Bytes) > 0) {}
        Request();
    });
    struct sigaction Action {};
    Action.sa_handler = NoteSignal;
    sigemptyset(&Action.sa_mask);
    Action.sa_flags = SA_RESTART;
    for (const int Signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(Signal, &Action, nullptr);
}

}  // namespace platform
