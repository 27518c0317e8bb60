#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the dialogs and menus a command opens, for a tool that drives the
// window as a user would. The commands run their dialogs modally, so the
// answer comes from a timer inside the dialog's own event loop: each dialog
// or popup that appears is handed to the current handler, which may take
// its picture and closes it. One that appears with no handler, or that the
// handler leaves open, is noted and closed, so that nothing waits for ever.
class ModalAnswerer : public QObject
{
public:
    // Returns true when it closed the widget.
    using Handler = std::function<bool(QWidget *aWidget)>;

    ModalAnswerer();

    // Runs aCommand with aHandler answering what it opens; the number of
    // widgets the handler was given.
    int run(const std::function<void()> &aCommand, const Handler &aHandler);

    // The texts or titles of the dialogs closed unanswered.
    const QStringList &unexpected() const { return mUnexpected; }

private:
    void poll();

    QTimer mTimer;
    Handler mHandler;
    int mHandled = 0;
    bool mBusy = false;
    QStringList mUnexpected;
};
