#include "QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTimer>

void QtPrompter::message(const QString &aText)
{
    QMessageBox box(mParent);
    box.setText(aText);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtPrompter::titledMessage(const QString &aTitle, const QString &aText)
{
    QMessageBox box(mParent);
    box.setWindowTitle(aTitle);
    box.setText(aText);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtPrompter::timedMessage(const QString &aTitle, const QString &aText, int aMs)
{
    QWidget *parent = QApplication::activeModalWidget();
    auto *box = new QMessageBox(parent ? parent : mParent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(aTitle);
    box->setText(aText);
    box->setStandardButtons(QMessageBox::Ok);
    box->setModal(false);
    box->show();
    // Closed by the user first, the box is gone and takes its timer with it.
    QTimer::singleShot(aMs, box, &QWidget::close);
}

bool QtPrompter::question(const QString &aTitle, const QString &aText)
{
    return QMessageBox::question(mParent, aTitle, aText, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString QtPrompter::openFileName(const QString &aCaption, const QString &aDir,
                                 const QString &aFilter)
{
    return QFileDialog::getOpenFileName(mParent, aCaption, aDir, aFilter);
}

QString QtPrompter::saveFileName(const QString &aCaption, const QString &aDir,
                                 const QString &aFilter)
{
    // The program asks its own "File Exists" question, so the dialog must not.
    return QFileDialog::getSaveFileName(mParent, aCaption, aDir, aFilter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

// The dialog has no parent: it is the printer's own, not the layout's.
bool QtPrompter::print(QPrinter &aPrinter)
{
    QPrintDialog dialog(&aPrinter);
    return dialog.exec() == QDialog::Accepted;
}
