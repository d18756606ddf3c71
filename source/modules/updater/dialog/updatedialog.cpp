#include "modules/updater/dialog/updatedialog.h"

#include "application/commandline.h"
#include "modules/updater/garvoupdater.h"
#include "modules/updater/updatepackage.h"
#include "modules/updater/updateserver.h"
#include "utility/filedownloader.h"
#include "utility/utility.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

QWidget *pageWith(std::initializer_list<QWidget *> widgets)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->setSpacing(9);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return page;
}

} // namespace

CUpdateDialog::CUpdateDialog(QWidget *parent, Updater *updater)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_updater(updater ? updater : GarvoUpdater::instance())
    , m_headerLabel(new QLabel(this))
    , m_headerInfoLabel(new QLabel(this))
    , m_pages(new QStackedLayout)
    , m_latestLabel(new QLabel)
    , m_thanksLabel(new QLabel)
    , m_releaseNotes(new QTextEdit)
    , m_progressBar(new QProgressBar)
    , m_statusLabel(new QLabel)
    , m_messageLabel(new QLabel)
    , m_updateButton(new QPushButton(this))
    , m_restartUpdateButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(this))
    , m_closeButton(new QPushButton(this))
    , m_restartButton(new QPushButton(this))
    , m_downloader(new Utility::FileDownloader(this))
{
    QFont headerFont = m_headerLabel->font();
    headerFont.setBold(true);
    headerFont.setPixelSize(16);
    m_headerLabel->setFont(headerFont);
    m_headerLabel->setTextFormat(Qt::PlainText);

    m_releaseNotes->setReadOnly(true);
    m_progressBar->setRange(0, 100);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setTextFormat(Qt::RichText);

    m_pages->addWidget(pageWith({m_latestLabel, m_thanksLabel}));
    auto *notesPage = new QWidget;
    auto *notesLayout = new QVBoxLayout(notesPage);
    notesLayout->setContentsMargins(9, 0, 9, 0);
    notesLayout->addWidget(m_releaseNotes);
    m_pages->addWidget(notesPage);
    m_pages->addWidget(pageWith({m_progressBar, m_statusLabel}));
    m_pages->addWidget(pageWith({m_messageLabel}));

    auto *header = new QHBoxLayout;
    header->setSpacing(9);
    header->setContentsMargins(9, 9, 9, 0);
    header->addWidget(m_headerLabel);
    header->addStretch();
    header->addWidget(m_headerInfoLabel);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(m_updateButton);
    buttons->addWidget(m_restartUpdateButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    buttons->addWidget(m_restartButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->setSpacing(9);
    layout->addLayout(header);
    layout->addLayout(m_pages, 1);
    layout->addStretch();
    layout->addLayout(buttons);

    m_updateButton->hide();
    m_restartUpdateButton->hide();
    m_cancelButton->hide();
    m_restartButton->hide();
    m_closeButton->setDefault(true);

    connect(m_updateButton, &QPushButton::clicked, this, &CUpdateDialog::slotUpdate);
    connect(m_restartUpdateButton, &QPushButton::clicked, this, &CUpdateDialog::slotRestartUpdate);
    connect(m_cancelButton, &QPushButton::clicked, this, &CUpdateDialog::slotCancel);
    connect(m_closeButton, &QPushButton::clicked, this, &CUpdateDialog::close);
    connect(m_restartButton, &QPushButton::clicked, this, &CUpdateDialog::slotRestartApplication);

    m_downloader->setProgressBar(m_progressBar);
    connect(m_downloader, &Utility::FileDownloader::finished, this, &CUpdateDialog::downloadFinished);
    connect(this, &QDialog::rejected, this, &CUpdateDialog::slotDialogClose);

    setFixedSize(600, 300);
    retranslateUi();

    if (!m_updater->isNewVersionAvailable()) {
        m_headerLabel->setText(tr("Your application is up-to-date!"));
        showPage(UpToDatePage);
    } else {
        m_headerLabel->setText(tr("%1 is available").arg(m_updater->latestVersion().displayText()));
        m_releaseNotes->setText(m_updater->releaseNotes());
        showPage(ReleaseNotesPage);
        m_updateButton->show();
        m_updateButton->setDefault(true);
    }
}

void CUpdateDialog::retranslateUi()
{
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" - ") + tr("Application update"));
    m_latestLabel->setText(tr("You are using application latest version!"));
    m_thanksLabel->setText(tr("Thanks for staying up-to-date!"));
    m_updateButton->setText(tr("Update"));
    m_restartUpdateButton->setText(tr("Restart Update"));
    m_cancelButton->setText(tr("Cancel"));
    m_closeButton->setText(tr("Close"));
    m_restartButton->setText(tr("Restart"));
}

int CUpdateDialog::currentPage() const
{
    return m_pages->currentIndex();
}

QString CUpdateDialog::headerText() const
{
    return m_headerLabel->text();
}

QString CUpdateDialog::messageText() const
{
    return m_messageLabel->text();
}

QString CUpdateDialog::statusText() const
{
    return m_statusLabel->text();
}

QString CUpdateDialog::packagePath() const
{
    return GarvoUpdater::downloadFilePath(m_updater->latestVersion());
}

QString CUpdateDialog::unpackFolder() const
{
    return QFileInfo(packagePath()).path() + QLatin1Char('/') + m_updater->latestVersion().toString()
           + QLatin1Char('/');
}

QString CUpdateDialog::installerPath() const
{
    return unpackFolder() + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void CUpdateDialog::showPage(Page page)
{
    m_pages->setCurrentIndex(page);
}

void CUpdateDialog::showError(const QString &header, const QString &message)
{
    m_headerLabel->setText(header);
    m_messageLabel->setText(message);
    m_closeButton->setEnabled(true);
    m_restartUpdateButton->show();
    m_cancelButton->hide();
    showPage(MessagePage);
}

void CUpdateDialog::slotUpdate()
{
    m_cancelling = false;
    m_updateButton->hide();
    m_closeButton->setEnabled(false);
    m_headerLabel->setText(tr("Updating..."));
    m_progressBar->setValue(0);
    m_statusLabel->setText(tr("Connecting to server..."));
    showPage(ProgressPage);

    // The digest comes with a version check; ask again when this run has
    // not made one yet.
    if (m_updater->packageDigest().isEmpty()) {
        const Updater::CheckResult check = m_updater->fetchLatestVersion();
        if (!check.success) {
            showError(tr("Error downloading new version"), check.message);
            return;
        }
    }
    m_expectedDigest = m_updater->packageDigest();
    if (m_expectedDigest.isEmpty()) {
        showError(tr("Error downloading new version"), UpdatePackage::missingDigestText().toHtmlEscaped());
        return;
    }

    const QUrl url = UpdateServer::downloadUrl(m_updater->currentVersion());
    qDebug() << "Path:" << packagePath();
    qDebug() << "Url:" << url.toString();
    if (m_downloader->download(packagePath(), url) != 0) {
        showError(tr("Error downloading new version"), m_downloader->errorText().toHtmlEscaped());
        return;
    }
    m_statusLabel->setText(tr("Downloading updates..."));
    m_cancelButton->show();
}

void CUpdateDialog::slotRestartUpdate()
{
    m_restartUpdateButton->hide();
    slotUpdate();
}

void CUpdateDialog::slotCancel()
{
    m_cancelling = true;
    if (m_downloader->isBusy())
        m_downloader->cancelDownload();
    m_headerLabel->setText(tr("Updating canceled"));
    showPage(MessagePage);
    m_cancelButton->hide();
    m_messageLabel->setText(tr("You have canceled update!"));
    m_restartUpdateButton->show();
    m_closeButton->setEnabled(true);
}

void CUpdateDialog::downloadFinished()
{
    if (currentPage() != ProgressPage || m_cancelling)
        return;
    const QString failed = tr("Error downloading new version");
    if (m_downloader->errorCode() != 0) {
        showError(failed, m_downloader->errorText().toHtmlEscaped());
        return;
    }

    m_statusLabel->setText(tr("Unpacking downloaded files..."));
    const UpdatePackage package(packagePath());
    UpdatePackage::Failure failure;
    if (!package.verify(m_expectedDigest, &failure)) {
        QFile::remove(packagePath());
        showError(failed, failure.message.toHtmlEscaped());
        return;
    }
    if (!package.unpack(unpackFolder(), &failure)) {
        Utility::removeDirectory(unpackFolder());
        showError(failed, tr("Error unpacking downloaded files") + QStringLiteral("<br/><br/>")
                              + failure.message.toHtmlEscaped());
        return;
    }

    m_headerLabel->setText(tr("Downloading updates completed successfully"));
    m_messageLabel->setText(tr("Application will now restart to finish updates."));
    m_cancelButton->hide();
    showPage(MessagePage);
    m_closeButton->hide();
    m_restartButton->show();
    m_restartButton->setDefault(true);
}

void CUpdateDialog::slotRestartApplication()
{
    if (m_installerStarted)
        return;
    const QString installer = installerPath();
    if (!QProcess::startDetached(installer, {CommandLine::updateSwitch()})) {
        m_restartButton->hide();
        m_closeButton->show();
        showError(tr("The update could not be started"),
                  tr("%1 could not be started.").arg(QDir::toNativeSeparators(installer).toHtmlEscaped()));
        return;
    }
    m_installerStarted = true;
    if (isVisible())
        accept();
}

void CUpdateDialog::slotDialogClose()
{
    if (!m_cancelButton->isHidden())
        slotCancel();
    if (!m_restartButton->isHidden())
        slotRestartApplication();
}
