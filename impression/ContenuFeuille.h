#ifndef VEXAL_IMPRESSION_CONTENUFEUILLE_H
#define VEXAL_IMPRESSION_CONTENUFEUILLE_H

#include "journal/Journal.h"

#include <QString>
#include <QStringList>

#include <vector>

class Personnage;

// A figure of the sheet in its box: "PA total" and "80", "Force" and "2,5".
struct CaseFeuille
{
    QString moLibelle;
    QString moValeur;
};

// One talent or power held: its name, a word that qualifies it, and its two figures.
struct LigneFeuille
{
    QString moNom;
    QString moMention;
    QString moNiveau;
    QString moValeur;
};

// A heading, the names of its two figure columns and its rows, in name order.
struct GroupeFeuille
{
    QString moTitre;
    QString moTitreNiveau;
    QString moTitreValeur;
    std::vector<LigneFeuille> moLignes;
};

// One award as the journal prints it: "2026-10-17", "+40 PA", "Séance 3", then what it bought until the next one.
struct AttributionFeuille
{
    QString moDate;
    QString moPA;
    QString moRaison;
    QString moAchats;
};

// Everything the printed sheet says, as text ready to print; half points are read with a comma.
struct ContenuFeuille
{
    QString moNom;
    QString moCamp;
    QString moSuperieur;
    QString moGrade;
    std::vector<CaseFeuille> moPoints;
    std::vector<CaseFeuille> moCaracteristiques;
    std::vector<CaseFeuille> moDerivees;
    // Only the groups that hold something: primary, secondary and exotic talents, languages, then powers.
    std::vector<GroupeFeuille> moGroupes;
    // The notes' paragraphs, as the player broke them.
    QStringList moNotes;
    // The awards in the journal's order.
    std::vector<AttributionFeuille> moJournal;
};

// What the sheet of this character and its journal says; both are only read.
ContenuFeuille ContenuDe(const Personnage& oPerso, const Journal& oJournal);

#endif
