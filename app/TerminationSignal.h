#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (the session ending, `kill`) and SIGINT (Ctrl+C in a terminal)
// end the game through its event loop, as quitting from the menu does: the
// settings are saved, the sound stream is closed and the status is 0,
// rather than the process dying where it stands. The handler only writes a
// byte to a pipe, which is all a signal handler may safely do.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

private:
    static void Handler(int signal);
    void Received();

    QSocketNotifier* m_notifier = nullptr;
};
