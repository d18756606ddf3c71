#pragma once

#include "widgets/dialog.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedLayout;
class QTextEdit;
class Updater;

namespace Utility {
class FileDownloader;
}

// Shows the latest version's release notes, downloads its package with a
// progress bar, checks and unpacks it, and restarts into the installer.
class CUpdateDialog : public CDialog
{
    Q_OBJECT

public:
    enum Page { UpToDatePage = 0, ReleaseNotesPage = 1, ProgressPage = 2, MessagePage = 3 };

    // Works for `updater` (the process-wide one when null).
    explicit CUpdateDialog(QWidget *parent = nullptr, Updater *updater = nullptr);

    int currentPage() const;
    QString headerText() const;
    QString messageText() const;
    QString statusText() const;
    QProgressBar *progressBar() const { return m_progressBar; }
    QPushButton *updateButton() const { return m_updateButton; }
    QPushButton *restartUpdateButton() const { return m_restartUpdateButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    QPushButton *restartButton() const { return m_restartButton; }
    Utility::FileDownloader *downloader() const { return m_downloader; }

    // The unpacked program was started with "-update"; it waits for this
    // process to end before it replaces the installed files.
    bool installerStarted() const { return m_installerStarted; }

    // The downloaded package, its unpack folder and the program started
    // with "-update", for the latest known version.
    QString packagePath() const;
    QString unpackFolder() const;
    QString installerPath() const;

public slots:
    void slotUpdate();
    void slotRestartUpdate();
    void slotCancel();
    void slotRestartApplication();
    void downloadFinished();
    void slotDialogClose();

private:
    void showError(const QString &header, const QString &message);
    void showPage(Page page);
    void retranslateUi();

    Updater *m_updater = nullptr;
    QLabel *m_headerLabel = nullptr;
    QLabel *m_headerInfoLabel = nullptr;
    QStackedLayout *m_pages = nullptr;
    QLabel *m_latestLabel = nullptr;
    QLabel *m_thanksLabel = nullptr;
    QTextEdit *m_releaseNotes = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_updateButton = nullptr;
    QPushButton *m_restartUpdateButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QPushButton *m_restartButton = nullptr;
    Utility::FileDownloader *m_downloader = nullptr;
    // The package digest the download is checked against.
    QString m_expectedDigest;
    bool m_cancelling = false;
    bool m_installerStarted = false;
};
