#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

// An application object that knows whether another instance of the program
// runs for the same user and data location, and passes text messages to it.
//
// The first instance (the primary) listens on a local socket; later ones find
// it at construction and talk to it with sendMessage(). A socket left behind
// by a crashed instance is cleaned up by the next start.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    // Widgets are always available; `guiEnabled` must be true.
    QtSingleApplication(int &argc, char **argv, bool guiEnabled = true);
    ~QtSingleApplication() override;

    // True when another instance was running when this one started.
    bool isRunning() const;

    // Hands `message` to the running instance; true once it confirmed
    // receipt within `timeout` milliseconds. False in the primary instance.
    bool sendMessage(const QString &message, int timeout = 5000);

    // The window to bring to the front; with `activateOnMessage` every
    // received message does so.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

    // The local socket name, one per user and data location.
    QString serverName() const { return m_serverName; }

public slots:
    // Shows, un-minimises, raises and activates the activation window.
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void startListening();
    void slotNewConnection();
    void readMessage(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *server = nullptr;
    bool otherRunning = false;
    QPointer<QWidget> window;
    bool activateOnMessage = false;
};
