#pragma once

#include "app/mainwindow.h"
#include "config/configuration.h"
#include "dialoginterceptor.h"
#include "link/portlist.h"
#include "link/protocolimplfactory.h"
#include "virtualpanelfixture.h"

#include <QApplication>
#include <QtTest>

#include <functional>
#include <memory>

// The port list as the window sees it: the virtual panel as the one USB adapter, or no port at all.
inline MainWindow::Options windowOn(const QString& port)
{
    MainWindow::Options options;
    options.portLister = [port] {
        QList<olma::link::PortEntry> ports;
        if (!port.isEmpty())
            ports.append({port, QStringLiteral("USB Serial"), true});
        return ports;
    };
    return options;
}

// The configuration image the window holds.
inline QByteArray imageOf(const MainWindow& window)
{
    const std::vector<unsigned char> image = window.configuration()->image();
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

// The interceptor, with a look at the window at the moment a message is shown.
class WindowDialogs : public DialogInterceptor
{
public:
    void message(QMessageBox::Icon icon, const QString& title, const QString& text) override
    {
        DialogInterceptor::message(icon, title, text);
        if (onMessage)
            onMessage();
    }

    std::function<void()> onMessage;
};

// The messages shown, one "icon|title|text" line each, to be compared with said(...) lines at once.
inline QStringList shownMessages(const DialogInterceptor& dialogs)
{
    QStringList lines;
    for (const DialogInterceptor::Message& message : dialogs.messages())
        lines << QStringLiteral("%1|%2|%3").arg(int(message.icon)).arg(message.title, message.text);
    return lines;
}

inline QString said(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    return QStringLiteral("%1|%2|%3").arg(int(icon)).arg(title, text);
}

// A virtual panel of the given model, a window that found it on its own, and the interceptor
// answering the window's dialogs.
struct WindowOnPanel
{
    explicit WindowOnPanel(unsigned char modelCode = 0x10)
    {
        // A panel that could not start fails the test at once, under its own error.
        if (!vp.isRunning())
            QTest::qFail(qPrintable(vp.error()), __FILE__, __LINE__);
        vp.panel().setModelCode(modelCode);
        window = std::make_unique<MainWindow>(windowOn(vp.portName()));
    }

    // Requests of a command: the first request after `from` with this command code, or -1.
    int firstRequest(int command, int from = 0)
    {
        const QList<QByteArray> requests = vp.panel().requests();
        for (int i = from; i < requests.size(); ++i) {
            if (uchar(requests[i].at(0)) == command)
                return i;
        }
        return -1;
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }

    VirtualPanelFixture vp;
    WindowDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

// The progress dialog on screen, if any.
template <typename Dialog> Dialog* visibleDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}
