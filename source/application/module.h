#pragma once

#include <QString>
#include <QWidget>

// One exchangeable page of the main window. The module container shows one
// module at a time; any module switches pages by emitting activate(id).
class CModule : public QWidget
{
    Q_OBJECT

public:
    explicit CModule(QWidget *parent = nullptr);
    CModule(int id, QWidget *parent = nullptr);

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    // Emits activate(id()).
    void requestActivation();

public slots:
    // Re-sets the translatable texts.
    virtual void retranslate();
    // Called when the module is about to be shown; false refuses.
    virtual bool enterModule();
    // Called on the current module before another one is shown; false refuses.
    virtual bool leaveModule();
    // Asked before leaveModule().
    virtual bool canLeaveModule();

signals:
    void activate(int id);

private:
    int m_id = 0;
    QString m_name = QStringLiteral("Module");
};
