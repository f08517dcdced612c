#pragma once

#include <QObject>

class QSocketNotifier;

namespace talco {

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the event loop, where the window
// can save the tape safely.
class SignalWatch : public QObject {
    Q_OBJECT
public:
    explicit SignalWatch(QObject* parent = nullptr);
    ~SignalWatch() override;

Q_SIGNALS:
    void terminate();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace talco
