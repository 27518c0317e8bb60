#include "tools/ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWidget>

ModalAnswerer::ModalAnswerer()
{
    mTimer.setInterval(30);
    connect(&mTimer, &QTimer::timeout, this, &ModalAnswerer::poll);
    mTimer.start();
}

int ModalAnswerer::run(const std::function<void()> &aCommand, const Handler &aHandler)
{
    mHandler = aHandler;
    mHandled = 0;
    aCommand();
    mHandler = nullptr;
    return mHandled;
}

void ModalAnswerer::poll()
{
    QPointer<QWidget> widget = QApplication::activePopupWidget();
    if (!widget)
        widget = QApplication::activeModalWidget();
    if (!widget || !widget->isVisible() || mBusy)
        return;
    mBusy = true;
    mTimer.stop();
    // Let it lay itself out and load its pictures before it is handed on.
    QTest::qWait(250);
    bool closed = !widget;
    if (widget && mHandler) {
        ++mHandled;
        closed = mHandler(widget);
    }
    if (!closed && widget && widget->isVisible()) {
        const auto *box = qobject_cast<QMessageBox *>(widget);
        mUnexpected << (box ? box->text() : widget->windowTitle());
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            dialog->reject();
        else
            widget->close();
    }
    mBusy = false;
    mTimer.start();
}
