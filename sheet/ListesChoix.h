#ifndef VEXAL_SHEET_LISTESCHOIX_H
#define VEXAL_SHEET_LISTESCHOIX_H

#include "enregistrements/Regles.h"

#include <QObject>

#include <string>

class DocumentPersonnage;
class QComboBox;

// The three lists the player picks from: the superiors of the character's side, the powers of its catalogue and the
// talents. What the character cannot take from them now is greyed with the reason, worked out as a list opens, by
// the mouse or the keyboard, and only when the character changed since.
class ListesChoix : public QObject
{
    Q_OBJECT

public:
    ListesChoix(QComboBox* poSuperieurs, QComboBox* poPouvoirs, QComboBox* poTalents, QObject* poParent);

    // The lists speak of this document's character from now on.
    void Lier(const DocumentPersonnage& oDocument);
    void RemplirSuperieurs(PERSO eCamp);
    void RemplirPouvoirs();
    void RemplirTalents();
    // What the lists say of their entries is out of date.
    void Perimer() { mbAJour = false; }
    // The superior list shows the character's superior, none included.
    void MontrerSuperieur(const std::string& oNom);
    // The entry a list shows, as the 8-bit name the character knows it by.
    static std::string NomChoisi(const QComboBox* poListe);

protected:
    bool eventFilter(QObject* poObjet, QEvent* poEvent) override;

private:
    void Griser();

    QComboBox* mpoSuperieurs;
    QComboBox* mpoPouvoirs;
    QComboBox* mpoTalents;
    const DocumentPersonnage* mpoDocument = nullptr;
    bool mbAJour = false;
};

#endif
