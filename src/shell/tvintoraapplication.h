#pragma once
#include <QApplication>

namespace vintora::shell {

// The application object. Qt lets no exception cross its event loop, so every event is
// delivered inside a try block here: a failure a slot or event handler leaves goes to the
// installed error reporter (TcoError) with the object that received the event.
class TVintoraApplication : public QApplication {
    Q_OBJECT
public:
    TVintoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Ends the application (the exit command, the last window, the error window's exit).
    static void terminate();
    // How many times terminate() was asked for (tests of the last-window rule).
    static int terminateRequests();
};

} // namespace vintora::shell
