#include "application/mainwindow.h"

#include "application/components.h"
#include "application/configuration.h"
#include "application/framework.h"
#include "application/modulecontainer.h"
#include "application/sidebar.h"
#include "application/toolbar.h"
#include "application/toolbarwidget.h"
#include "modules/options/retranslatehook.h"
#include "utility/utility.h"
#include "widgets/bigtoolbutton.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
CMainWindow *mainWindow = nullptr;
// The size of a first start, where the screen allows it: every page fits.
constexpr QSize DefaultSize(1024, 700);
const QString BarStyleSheet = QStringLiteral("QWidget {margin:0px;padding:0px;}");
} // namespace

CMainWindow::CMainWindow(QWidget *parent) : QMainWindow(parent)
{
    mainWindow = this;

    m_toolBar = new CToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_toolBar->setMovable(false);
    m_toolBar->setBackgroundImage(QStringLiteral(":/resource/images/toolbar-background.png"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setStyleSheet(BarStyleSheet);
    m_toolBar->hide();

    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);

    m_contentSplitter = new QSplitter(central);
    m_leftSidebar = new CSidebar(CSidebar::Left, m_contentSplitter);
    m_moduleContainer = new CModuleContainer(m_contentSplitter);
    m_rightSidebar = new CSidebar(CSidebar::Right, m_contentSplitter);
    m_contentSplitter->addWidget(m_leftSidebar);
    m_contentSplitter->addWidget(m_moduleContainer);
    m_contentSplitter->addWidget(m_rightSidebar);
    m_leftSidebar->hide();
    m_rightSidebar->hide();
    m_contentSplitter->setHandleWidth(1);
    m_contentSplitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    centralLayout->addWidget(m_contentSplitter);

    m_footerBar = new CToolbarWidget(central);
    m_footerBar->setBackgroundImage(QStringLiteral(":/resource/images/footer-background.png"));
    m_footerBar->setBackgroundMode(CWidgetWithBackground::BackgroundTiled);
    m_footerBar->setStyleSheet(BarStyleSheet);
    m_footerBar->hide();
    centralLayout->addWidget(m_footerBar);
    setCentralWidget(central);

    CBigToolButton::setModuleActivator([](int id) {
        if (mainWindow)
            mainWindow->moduleContainer()->activate(id);
    });
    // A changed unit or currency re-sets every text, so amounts show it.
    setRetranslateAllHook([] {
        if (mainWindow)
            mainWindow->retranslate();
    });

    initFramework(this, &CMainWindow::systemInitialized);
    initComponents();

    m_initialized = true;
    emit systemInitialized();
    slotSystemInitialized();

    setWindowTitle(tr("Garvo"));
    connect(qApp, &QCoreApplication::aboutToQuit, this, &CMainWindow::slotAppClose);
}

CMainWindow::~CMainWindow()
{
    // A window that never went through slotAppClose() (start-up gave up)
    // still releases what it built, without storing its state.
    if (!m_closed)
        finish();
    if (mainWindow == this) {
        mainWindow = nullptr;
        CBigToolButton::setModuleActivator(nullptr);
        setRetranslateAllHook(nullptr);
    }
}

CMainWindow *CMainWindow::instance()
{
    return mainWindow;
}

void CMainWindow::addNotice(QWidget *notice)
{
    if (auto *layout = qobject_cast<QVBoxLayout *>(centralWidget()->layout()))
        layout->insertWidget(0, notice);
}

void CMainWindow::setLeftSidebarVisible(bool visible)
{
    if (mainWindow)
        mainWindow->leftSidebar()->setVisible(visible);
}

QRect CMainWindow::clampToScreen(const QRect &window, const QSize &screen)
{
    QRect result = window;
    if (result.width() > screen.width())
        result.setWidth(int(Utility::roundTo(screen.width() * 0.7, 0)));
    if (result.height() > screen.height())
        result.setHeight(int(Utility::roundTo(screen.height() * 0.7, 0)));
    if (result.left() < 0)
        result.moveLeft((screen.width() - result.width()) / 2);
    if (result.top() < 0)
        result.moveTop((screen.height() - result.height()) / 2);
    return result;
}

QPoint CMainWindow::storedFramePosition(const QByteArray &geometry)
{
    // The blob starts with a magic number, a major and a minor version and
    // the frame rectangle, in every version Qt 5 writes.
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    stream >> magic >> major >> minor >> frame;
    if (magic != 0x1D9D0CB || major < 1 || stream.status() != QDataStream::Ok || !frame.isValid())
        return QPoint();
    return frame.topLeft();
}

void CMainWindow::slotSystemInitialized()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::MainWindow);
    m_contentSplitter->restoreState(config->value(Config::Key::ContentSplitterSizes).toByteArray());
    const QByteArray geometry = config->value(Config::Key::Geometry).toByteArray();
    const bool restored = restoreGeometry(geometry);

    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect current(pos(), size());
    // restoreGeometry() places the client area at least a guessed title bar
    // height below the screen's top, so a frameless window, or one whose
    // window manager places the frame there, would creep down at every start.
    // Moving the frame to where it was keeps the window in place.
    if (restored && !isMaximized())
        current.moveTopLeft(storedFramePosition(geometry));
    else if (!restored)
        current.setSize(DefaultSize.boundedTo(screen->availableSize()).expandedTo(minimumSizeHint()));
    const QRect wanted = clampToScreen(current, screen->size());
    if (wanted.size() != size())
        resize(wanted.size());
    if (wanted.topLeft() != pos())
        move(wanted.topLeft());
}

void CMainWindow::reactivate(const QString &message)
{
    if (message.toUpper() != QLatin1String("WAKE UP!"))
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void CMainWindow::slotAppClose()
{
    if (m_closed)
        return;
    saveWindowState();
    finish();
}

void CMainWindow::saveWindowState()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::MainWindow);
    config->setValue(Config::Key::ContentSplitterSizes, m_contentSplitter->saveState());
    config->setValue(Config::Key::WindowMaximized, isMaximized());
    // The saved geometry holds the normal (not maximised) placement as well,
    // so the window is not shown normal first: on window systems that resize
    // asynchronously that would store the maximised size as the normal one.
    config->setValue(Config::Key::Geometry, saveGeometry());
}

void CMainWindow::finish()
{
    m_closed = true;
    finishComponents();
    finishFramework();
    CConfiguration::destroy();
}

void CMainWindow::retranslate()
{
    setWindowTitle(tr("Garvo"));
}

void CMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_initialized && !m_closed)
        retranslate();
    QMainWindow::changeEvent(event);
}
