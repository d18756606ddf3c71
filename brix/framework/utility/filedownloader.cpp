#include "utility/filedownloader.h"

#include "utility/networkaccess.h"
#include "utility/utility.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>

namespace Utility {

FileDownloader::FileDownloader(QObject *parent) : QObject(parent), m_manager(new QNetworkAccessManager(this)) {}

FileDownloader::~FileDownloader()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    if (m_file.isOpen()) {
        m_file.close();
        m_file.remove();
    }
}

int FileDownloader::download(const QString &filePath, const QUrl &url, const QByteArray &postData, bool wait)
{
    if (m_progressBar) {
        m_progressBar->setRange(0, 100);
        m_progressBar->setValue(0);
    }
    if (m_busy) {
        fail(Busy, tr("Another download is still running."));
        return m_errorCode;
    }
    m_errorCode = 0;
    m_errorText.clear();
    m_sslErrors.clear();
    m_written = 0;
    m_writeError = 0;
    if (!isTransportAllowed(url)) {
        fail(AddressRefused, tr("Only secure (https) addresses are used: %1").arg(url.toDisplayString()));
        return m_errorCode;
    }
    m_file.setFileName(filePath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(CannotOpenFile, tr("Can't open file for writing: %1").arg(filePath));
        return m_errorCode;
    }

    QNetworkRequest request = applicationRequest(url);
    // The bytes as sent, so that their count can be checked.
    request.setRawHeader("Accept-Encoding", "identity");
    m_reply = postData.isEmpty() ? m_manager->get(request) : m_manager->post(request, postData);
    guardReply(m_reply, &m_sslErrors);
    connect(m_reply, &QNetworkReply::finished, this, &FileDownloader::downloadFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &FileDownloader::downloadReadyRead);
    m_busy = true;

    if (wait) {
        QEventLoop loop;
        connect(this, &FileDownloader::finished, &loop, &QEventLoop::quit);
        if (m_busy)
            loop.exec();
        return m_errorCode;
    }
    return 0;
}

void FileDownloader::cancelDownload()
{
    if (m_busy && m_reply)
        m_reply->abort(); // finished() follows
}

void FileDownloader::downloadProgress(qint64 received, qint64 total)
{
    // An unknown (-1) or empty total gives no percentage.
    if (total <= 0)
        return;
    const int percent = qBound(0, int(roundTo(double(received) * 100.0 / double(total), 0)), 100);
    emit progress(percent);
    if (m_progressBar && m_progressBar->value() != percent)
        m_progressBar->setValue(percent);
}

void FileDownloader::downloadReadyRead()
{
    if (!m_reply || m_writeError)
        return;
    const QByteArray data = m_reply->readAll();
    if (m_file.write(data) != data.size()) {
        m_writeError = CannotWriteFile;
        m_reply->abort();
        return;
    }
    m_written += data.size();
    // Driven from here: the reply's own progress signal is throttled and
    // can miss the last bytes before a pause.
    downloadProgress(m_written, m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
}

void FileDownloader::downloadFinished()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    downloadReadyRead(); // whatever is left

    if (m_progressBar)
        m_progressBar->setValue(0);
    const bool flushed = m_file.flush();
    m_file.close();
    const bool written = flushed && m_file.error() == QFileDevice::NoError;

    m_errorCode = reply->error();
    m_errorText = m_errorCode != QNetworkReply::NoError ? failureText(reply->errorString(), m_sslErrors) : QString();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (m_writeError || !written) {
        m_errorCode = CannotWriteFile;
        m_errorText = tr("Can't write file: %1").arg(m_file.fileName());
    } else if (m_errorCode == QNetworkReply::NoError) {
        if (announced.isValid() && announced.toLongLong() != m_written) {
            m_errorCode = Incomplete;
            m_errorText = tr("The download was cut short: %1 of %2 bytes arrived.")
                              .arg(m_written)
                              .arg(announced.toLongLong());
        } else if (m_written == 0) {
            m_errorCode = Empty;
            m_errorText = tr("The server sent an empty file.");
        }
    }
    if (m_errorCode != QNetworkReply::NoError)
        m_file.remove();

    reply->deleteLater();
    m_busy = false;
    emit finished();
}

void FileDownloader::fail(int code, const QString &text)
{
    m_errorCode = code;
    m_errorText = text;
}

} // namespace Utility
