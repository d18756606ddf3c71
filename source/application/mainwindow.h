#pragma once

#include <QMainWindow>
#include <QRect>
#include <QSize>

class CModuleContainer;
class CSidebar;
class CToolBar;
class CToolbarWidget;
class QSplitter;

// The frame of bars around the module container. Its construction is the
// system's initialisation sequence: framework, components, window state.
class CMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainWindow(QWidget *parent = nullptr);
    ~CMainWindow() override;

    // The one main window of the process (nullptr before it is built).
    static CMainWindow *instance();

    CModuleContainer *moduleContainer() const { return m_moduleContainer; }
    CToolBar *toolBar() const { return m_toolBar; }
    CToolbarWidget *footerBar() const { return m_footerBar; }
    CSidebar *leftSidebar() const { return m_leftSidebar; }
    CSidebar *rightSidebar() const { return m_rightSidebar; }
    QSplitter *contentSplitter() const { return m_contentSplitter; }
    bool isInitialized() const { return m_initialized; }
    // Places a notice bar above the pages, below the tool bar.
    void addNotice(QWidget *notice);
    // Shows or hides the left sidebar of the main window, when there is one.
    static void setLeftSidebarVisible(bool visible);

    // The window rectangle after the start-up rules: a dimension larger than
    // the screen becomes 70 % of it; a negative left or top edge is centred.
    static QRect clampToScreen(const QRect &window, const QSize &screen);
    // The top-left corner of the window frame in a saveGeometry() blob, or a
    // null point when the blob cannot be read.
    static QPoint storedFramePosition(const QByteArray &geometry);

    // Re-sets every text of the window, its components and modules.
    virtual void retranslate();

public slots:
    // Saves the window state, then finishes the components and the framework.
    // Runs once; later calls do nothing.
    void slotAppClose();
    virtual void slotSystemInitialized();
    // "Wake up!" (any letter case) brings the window to the front.
    virtual void reactivate(const QString &message);

signals:
    void systemInitialized();

protected:
    void changeEvent(QEvent *event) override;

private:
    void saveWindowState();
    // Finishes the components and the framework and drops the configuration.
    void finish();

    CModuleContainer *m_moduleContainer = nullptr;
    CToolBar *m_toolBar = nullptr;
    CToolbarWidget *m_footerBar = nullptr;
    CSidebar *m_leftSidebar = nullptr;
    CSidebar *m_rightSidebar = nullptr;
    QSplitter *m_contentSplitter = nullptr;
    bool m_initialized = false;
    bool m_closed = false;
};
