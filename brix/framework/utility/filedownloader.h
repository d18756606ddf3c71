#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
#include <QProgressBar>

namespace Utility {

// Downloads one file at a time into a local file, driving a progress bar.
// A download that is cut short, empty, or cannot be written fails; its
// partial file is removed.
class FileDownloader : public QObject
{
    Q_OBJECT

public:
    enum Error {
        CannotOpenFile = 801,
        CannotWriteFile = 802,
        Incomplete = 803,
        Empty = 804,
        Busy = 805,
        AddressRefused = 806,
    };

    explicit FileDownloader(QObject *parent = nullptr);
    ~FileDownloader() override;

    // Starts downloading `url` into `filePath` (GET, or POST with
    // `postData` when it is not empty). With `wait` it returns once the
    // download is over, with errorCode(); without, it returns 0 once the
    // request is on its way, and finished() tells the end. A non-zero
    // result means nothing was started.
    int download(const QString &filePath, const QUrl &url, const QByteArray &postData = QByteArray(),
                 bool wait = false);

    void setProgressBar(QProgressBar *progressBar) { m_progressBar = progressBar; }
    bool isBusy() const { return m_busy; }
    // 0, a QNetworkReply::NetworkError, or an Error.
    int errorCode() const { return m_errorCode; }
    QString errorText() const { return m_errorText; }
    qint64 bytesWritten() const { return m_written; }

signals:
    void progress(int percent);
    void finished();

public slots:
    void cancelDownload();
    void downloadProgress(qint64 received, qint64 total);
    void downloadFinished();
    void downloadReadyRead();

private:
    void fail(int code, const QString &text);

    int m_errorCode = 0;
    QString m_errorText;
    QFile m_file;
    bool m_busy = false;
    QNetworkReply *m_reply = nullptr;
    QNetworkAccessManager *m_manager = nullptr;
    QPointer<QProgressBar> m_progressBar;
    QList<QSslError> m_sslErrors;
    qint64 m_written = 0;
    // Set when writing failed; the reply is aborted and this error wins.
    int m_writeError = 0;
};

} // namespace Utility
