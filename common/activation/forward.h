#pragma once
#include <QString>
#include <QStringList>

namespace activation {

// The second start's side: asks the copy serving appId on the session bus to
// activate (no files) or to open the files (as file:// URIs of their absolute
// paths), and hands on the token this process was started with. A copy that
// holds the lock may still be starting, so this waits up to timeoutMs for it
// to take its bus name and answer. False, with the reason, when there is no
// session bus or nobody answers in time. Never starts a copy through D-Bus
// activation: the lock alone decides which copy runs. Needs no
// QCoreApplication and prints nothing.
bool forwardToRunningCopy(const QString& appId, const QStringList& files, QString* reason,
                          int timeoutMs = 2000);

} // namespace activation
