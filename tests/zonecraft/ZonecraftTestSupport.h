#pragma once

#include <QImage>
#include <QMetaProperty>
#include <QSet>
#include <QSignalSpy>
#include <QStringList>
#include <common/Dialogs.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>
#include <common/StdPicture.h>
#include <memory>
#include <zonecraft/Zonecraft.h>

/// A control over a plain 640 x 480 picture, with message boxes captured.
struct ZonecraftFixture
{
    ZonecraftFixture()
    {
        previousHook = Zel::setMessageBoxHook([this](const QString& prompt, int, const QString&) {
            messages << prompt;
            return int(Zel::vbOK);
        });
        control = std::make_unique<Zonecraft>();
        control->resize(700, 520);
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::white);
        control->setPicture(StdPicture(image));
    }
    ~ZonecraftFixture() { Zel::setMessageBoxHook(previousHook); }

    Zonecraft& z() { return *control; }

    std::unique_ptr<Zonecraft> control;
    QStringList messages;
    Zel::MessageBoxHook previousHook;
};

/// Forwards any signal and remembers which one it was.
class EventReceiver : public QObject
{
    Q_OBJECT
public:
    int senderIndex = -1;
public Q_SLOTS:
    void hit()
    {
        senderIndex = senderSignalIndex();
        Q_EMIT fired();
    }
Q_SIGNALS:
    void fired();
};

/// Records the names of the control's events in the order they are raised (the properties'
/// change notices are not events and are left out).
class EventLog
{
public:
    explicit EventLog(Zonecraft& z)
    {
        const QMetaObject* mo = z.metaObject();
        QSet<int> notices;
        for (int i = 0; i < mo->propertyCount(); ++i)
            notices.insert(mo->property(i).notifySignalIndex());
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            if (m.methodType() != QMetaMethod::Signal || notices.contains(i))
                continue;
            const QString name = QString::fromLatin1(m.name());
            // One spy per signal; the sequence number orders them.
            QObject::connect(&z, m, &m_receiver,
                m_receiver.metaObject()->method(m_receiver.metaObject()->indexOfSlot("hit()")));
            m_names.insert(i, name);
        }
        QObject::connect(&m_receiver, &EventReceiver::fired,
            [this] { m_log << m_names.value(m_receiver.senderIndex); });
    }
    QStringList take()
    {
        QStringList out = m_log;
        m_log.clear();
        return out;
    }

private:
    EventReceiver m_receiver;
    QHash<int, QString> m_names;
    QStringList m_log;
};
