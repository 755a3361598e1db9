#include "FiltreSaisie.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace
{
QWidget* Proteger(QWidget* poWidget, QObject* poFiltre)
{
    // Without focus from the wheel, a box is only ever changed once the player has clicked or tabbed into it.
    poWidget->setFocusPolicy(Qt::StrongFocus);
    poWidget->installEventFilter(poFiltre);
    return poWidget;
}

// A decimal point or comma, in what the player types or pastes, becomes the box's own.
QString Decimale(QString oTexte, const QDoubleSpinBox& oBoite)
{
    return oTexte.replace(QRegularExpression(QStringLiteral("[.,]")), oBoite.locale().decimalPoint());
}
}

FiltreSaisie* FiltreSaisie::Instance()
{
    // Lives with the application; the boxes it watches come and go.
    static FiltreSaisie* spoInstance = new FiltreSaisie(qApp);
    return spoInstance;
}

void FiltreSaisie::Proteger(QAbstractSpinBox* poBoite)
{
    ::Proteger(poBoite, Instance());
}

void FiltreSaisie::Proteger(QComboBox* poListe)
{
    ::Proteger(poListe, Instance());
}

bool FiltreSaisie::eventFilter(QObject* poObjet, QEvent* poEvent)
{
    auto* poWidget = static_cast<QWidget*>(poObjet);
    if (poEvent->type() == QEvent::Wheel && !poWidget->hasFocus())
    {
        // Left unaccepted, the wheel goes on to the column or window that holds the box.
        poEvent->ignore();
        return true;
    }
    auto* poBoite = qobject_cast<QDoubleSpinBox*>(poWidget);
    if (poBoite == nullptr || poEvent->type() != QEvent::KeyPress)
        return false;
    auto* poTouche = static_cast<QKeyEvent*>(poEvent);
    QLineEdit* poLigne = poBoite->findChild<QLineEdit*>();
    if (poTouche->matches(QKeySequence::Paste))
    {
        poLigne->insert(Decimale(QGuiApplication::clipboard()->text(), *poBoite));
        return true;
    }
    const QString oTexte = Decimale(poTouche->text(), *poBoite);
    if (oTexte == poTouche->text())
        return false;
    poLigne->insert(oTexte);
    return true;
}
