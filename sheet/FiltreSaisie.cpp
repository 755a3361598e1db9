#include "FiltreSaisie.h"

#include "Touches.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>

#include <algorithm>

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
QString Decimale(QString oTexte, const QAbstractSpinBox& oBoite)
{
    if (qobject_cast<const QDoubleSpinBox*>(&oBoite) == nullptr)
        return oTexte;
    return oTexte.replace(QRegularExpression(QStringLiteral("[.,]")), oBoite.locale().decimalPoint());
}

bool Imprimable(const QString& oTexte)
{
    return !oTexte.isEmpty() && std::all_of(oTexte.begin(), oTexte.end(), [](QChar c) { return c.isPrint(); });
}

QLineEdit* LigneDe(const QAbstractSpinBox* poBoite)
{
    return poBoite->findChild<QLineEdit*>();
}

// The box shows its value again, as before the player typed.
void Remettre(QAbstractSpinBox* poBoite)
{
    if (auto* poEntiers = qobject_cast<QSpinBox*>(poBoite))
        poEntiers->setValue(poEntiers->value());
    else if (auto* poDecimaux = qobject_cast<QDoubleSpinBox*>(poBoite))
        poDecimaux->setValue(poDecimaux->value());
    poBoite->selectAll();
}

// An undo key meant for the character: anywhere but in a box still holding typed text, which keeps its own.
bool Annulation(const QAbstractSpinBox* poBoite, const QKeyEvent& oTouche)
{
    return Touches::Annule(oTouche) && !(poBoite != nullptr && LigneDe(poBoite)->isModified());
}

// Enter presses the focused button, as Space does.
bool Appuyer(QAbstractButton* poBouton, QKeyEvent* poTouche)
{
    const Qt::KeyboardModifiers eModificateurs = poTouche->modifiers() & ~Qt::KeypadModifier;
    auto* poOutil = qobject_cast<QToolButton*>(poBouton);
    // The arrow of a button with a menu opens it, as the arrow of a list does.
    if (poOutil != nullptr && poOutil->menu() != nullptr
        && (poTouche->key() == Qt::Key_F4
            || (poTouche->key() == Qt::Key_Down && (eModificateurs & ~Qt::AltModifier) == Qt::NoModifier)))
    {
        poOutil->showMenu();
        return true;
    }
    if ((poTouche->key() != Qt::Key_Return && poTouche->key() != Qt::Key_Enter) || eModificateurs != Qt::NoModifier)
        return false;
    poBouton->click();
    return true;
}
}

std::pair<double, double> FiltreSaisie::Bornes(const QAbstractSpinBox* poBoite)
{
    if (const auto* poEntiers = qobject_cast<const QSpinBox*>(poBoite))
        return {poEntiers->minimum(), poEntiers->maximum()};
    const auto* poDecimaux = qobject_cast<const QDoubleSpinBox*>(poBoite);
    return {poDecimaux->minimum(), poDecimaux->maximum()};
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
    // The text is the box's value again once the player confirmed it, even when typed just as the box writes it.
    QLineEdit* poLigne = LigneDe(poBoite);
    connect(poBoite, &QAbstractSpinBox::editingFinished, poLigne, [poLigne] { poLigne->setModified(false); });
}

void FiltreSaisie::Proteger(QComboBox* poListe)
{
    ::Proteger(poListe, Instance());
}

void FiltreSaisie::Proteger(QWidget* poChamp)
{
    poChamp->installEventFilter(Instance());
}

void FiltreSaisie::Proteger(QAbstractButton* poBouton)
{
    poBouton->installEventFilter(Instance());
}

bool FiltreSaisie::eventFilter(QObject* poObjet, QEvent* poEvent)
{
    auto* poWidget = static_cast<QWidget*>(poObjet);
    auto* poBoite = qobject_cast<QAbstractSpinBox*>(poWidget);
    switch (poEvent->type())
    {
    case QEvent::Wheel:
        if (poWidget->hasFocus())
            return false;
        // Left unaccepted, the wheel goes on to the column or window that holds the box.
        poEvent->ignore();
        return true;
    case QEvent::ShortcutOverride:
        // Left unaccepted, the key goes to the window's undo and redo rather than to the field's own text.
        if (!Annulation(poBoite, *static_cast<QKeyEvent*>(poEvent)))
            return false;
        poEvent->ignore();
        return true;
    case QEvent::KeyPress:
        // With no step that way, the key does nothing: no text undone, no entry of a list sought.
        if (Annulation(poBoite, *static_cast<QKeyEvent*>(poEvent)))
            return true;
        if (poBoite != nullptr)
            return Taper(poBoite, static_cast<QKeyEvent*>(poEvent));
        if (auto* poBouton = qobject_cast<QAbstractButton*>(poWidget))
            return Appuyer(poBouton, static_cast<QKeyEvent*>(poEvent));
        return false;
    default:
        return false;
    }
}

bool FiltreSaisie::Taper(QAbstractSpinBox* poBoite, QKeyEvent* poTouche)
{
    QLineEdit* poLigne = LigneDe(poBoite);
    if (poTouche->key() == Qt::Key_Return || poTouche->key() == Qt::Key_Enter)
    {
        if (!poBoite->hasAcceptableInput())
            Essayer(poBoite, poLigne, QString());
        return false;
    }
    const bool bColler = poTouche->matches(QKeySequence::Paste);
    const QString oTexte = Decimale(bColler ? QGuiApplication::clipboard()->text() : poTouche->text(), *poBoite);
    if (!Imprimable(oTexte))
        return false;
    // Cut to the digits the box would keep, the number would be another one than the player's.
    if (Essayer(poBoite, poLigne, oTexte))
    {
        Remettre(poBoite);
        return true;
    }
    if (!bColler && oTexte == poTouche->text())
        return false;
    poLigne->insert(oTexte);
    return true;
}

bool FiltreSaisie::Essayer(QAbstractSpinBox* poBoite, QLineEdit* poLigne, const QString& oTexte)
{
    QString oEssai = poLigne->text();
    const int nDebut = poLigne->hasSelectedText() ? poLigne->selectionStart() : poLigne->cursorPosition();
    oEssai.replace(nDebut, poLigne->hasSelectedText() ? poLigne->selectedText().size() : 0, oTexte);
    int nCurseur = nDebut + static_cast<int>(oTexte.size());
    if (!oTexte.isEmpty() && poBoite->validate(oEssai, nCurseur) != QValidator::Invalid)
        return false;
    bool bNombre = false;
    const double fValeur = poBoite->locale().toDouble(oEssai.trimmed(), &bNombre);
    const auto [fMinimum, fMaximum] = Bornes(poBoite);
    if (!bNombre || (fValeur >= fMinimum && fValeur <= fMaximum))
        return false;
    emit HorsBornes(poBoite, fValeur);
    return true;
}
