#include "MessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace Messages {

namespace {

Hook* g_hook = nullptr;

QWidget* parentWindow()
{
    return QApplication::activeWindow();
}

QString appTitle()
{
    return QApplication::applicationName();
}

} // namespace

void setHook(Hook* h) { g_hook = h; }
Hook* hook() { return g_hook; }

void error(const QString& text)
{
    if (g_hook) {
        g_hook->answer({Kind::Error, appTitle(), text});
        return;
    }
    QMessageBox::critical(parentWindow(), appTitle(), text, QMessageBox::Ok);
}

void information(const QString& text)
{
    if (g_hook) {
        g_hook->answer({Kind::Information, appTitle(), text});
        return;
    }
    QMessageBox::information(parentWindow(), appTitle(), text, QMessageBox::Ok);
}

bool confirm(const QString& text)
{
    if (g_hook)
        return g_hook->answer({Kind::Confirmation, appTitle(), text});
    return QMessageBox::question(parentWindow(), appTitle(), text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> inputQuery(const QString& caption, const QString& prompt, const QString& defaultText)
{
    if (g_hook)
        return g_hook->answerInput({Kind::Input, caption, prompt}, defaultText);
    bool ok = false;
    const QString text = QInputDialog::getText(parentWindow(), caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

int execModal(QDialog& dialog)
{
    if (g_hook) {
        // The window may free itself when it closes: keep its result apart.
        QPointer<QDialog> alive(&dialog);
        int result = QDialog::Rejected;
        bool finished = false;
        const auto c = QObject::connect(&dialog, &QDialog::finished, [&](int r) {
            result = r;
            finished = true;
        });
        g_hook->runModal(dialog);
        if (alive) {
            QObject::disconnect(c);
            if (!finished)
                result = dialog.result();
        }
        return result;
    }
    return dialog.exec();
}

} // namespace Messages
