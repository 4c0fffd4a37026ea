// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's request that the program end (on Linux SIGTERM, SIGINT and
// SIGHUP, as a session ends or a terminal closes), delivered as a call in the
// event loop so the program can close its window the usual way.

#include <functional>

class QObject;

namespace platform {

// Request runs in the event loop of Context's thread for every request.
void OnTerminationRequest(QObject* Context, std::function<void()> Request);

}  // namespace platform
