#include <QApplication>
#include <QGenericPlugin>
#include <QSet>
#include <QWidget>

namespace
{
// Ends the program once every window it shows has painted its first frame, so that a whole process can be
// timed from its start to its first picture without a line of the program knowing about it. Qt itself
// loads it into any program started with QT_QPA_GENERIC_PLUGINS=premiereimage and this plugin's folder in
// QT_PLUGIN_PATH.
class PremiereImage : public QObject
{
public:
    PremiereImage()
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* poObjet, QEvent* poEvent) override
    {
        if (poEvent->type() != QEvent::Paint)
            return false;
        auto* poFenetre = qobject_cast<QWidget*>(poObjet);
        if (poFenetre == nullptr || !poFenetre->isWindow() || moPeintes.contains(poFenetre))
            return false;
        moPeintes.insert(poFenetre);
        // Looked at from the event loop: by then the frame is flushed and every window of the start is shown.
        QMetaObject::invokeMethod(this, &PremiereImage::FinirSiToutEstPeint, Qt::QueuedConnection);
        return false;
    }

private:
    void FinirSiToutEstPeint()
    {
        const QWidgetList oFenetres = QApplication::topLevelWidgets();
        for (const QWidget* poFenetre : oFenetres)
        {
            if (poFenetre->isVisible() && !moPeintes.contains(poFenetre))
                return;
        }
        QCoreApplication::quit();
    }

    QSet<const QWidget*> moPeintes;
};
}

class PremiereImagePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "PremiereImage.json")

public:
    QObject* create(const QString&, const QString&) override
    {
        return new PremiereImage;
    }
};

#include "PremiereImage.moc"
