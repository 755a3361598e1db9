#ifndef VEXAL_SHEET_FILTRESAISIE_H
#define VEXAL_SHEET_FILTRESAISIE_H

#include <QObject>

#include <utility>

class QAbstractButton;
class QAbstractSpinBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

// Makes the sheet's boxes, lists and buttons take input as a player expects. A wheel turned over a box the player
// has not clicked into scrolls what holds it instead of spending points; a number takes a decimal comma or point
// alike, and a number typed or pasted that the box cannot hold is refused whole, the box showing its value again;
// the undo keys undo a step of the character wherever the cursor stands, but in a box still holding typed text;
// Enter presses a button as Space does.
class FiltreSaisie : public QObject
{
    Q_OBJECT

public:
    static FiltreSaisie* Instance();
    static void Proteger(QAbstractSpinBox* poBoite);
    static void Proteger(QComboBox* poListe);
    // A field whose text is the character's as soon as it is typed: its own undo gives way to the character's.
    static void Proteger(QWidget* poChamp);
    static void Proteger(QAbstractButton* poBouton);
    // What a box of numbers takes, from its least to its most.
    static std::pair<double, double> Bornes(const QAbstractSpinBox* poBoite);

signals:
    // A number typed into a box that the box cannot hold: the player still deserves to hear why.
    void HorsBornes(QAbstractSpinBox* poBoite, double fValeur);

protected:
    bool eventFilter(QObject* poObjet, QEvent* poEvent) override;

private:
    using QObject::QObject;
    bool Taper(QAbstractSpinBox* poBoite, QKeyEvent* poTouche);
    // Tells of the number the box would hold with oTexte typed at its cursor, when the box refuses it for its range;
    // true when it did.
    bool Essayer(QAbstractSpinBox* poBoite, QLineEdit* poLigne, const QString& oTexte);
};

#endif
