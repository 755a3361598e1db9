#ifndef VEXAL_TESTS_SHEET_JOUEUR_H
#define VEXAL_TESTS_SHEET_JOUEUR_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <functional>
#include <memory>
#include <string>

class Fiche;
class MyWidget;
class Personnage;
class PouvoirTalentWidget;
class QAbstractButton;
class QAbstractSpinBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QVBoxLayout;
class QWidget;

// What a player does with the sheet: every gesture goes through the keyboard or the mouse, so the
// widgets see the same events as on a desk.
namespace Joueur
{
void Cliquer(QAbstractButton* poBouton);
// One press of the arrow key per step.
void Monter(QAbstractSpinBox* poBoite, int nFois = 1);
void Descendre(QAbstractSpinBox* poBoite, int nFois = 1);
// Selects the whole text, types oTexte key by key and presses Enter. A '.' is typed as the box's
// own decimal point, as the player would write a number.
void Taper(QAbstractSpinBox* poBoite, const QString& oTexte);
// The same without Enter: the box holds the number still being typed.
void Entamer(QAbstractSpinBox* poBoite, const QString& oTexte);
// Selects the whole text, pastes oTexte in one go and presses Enter.
void Coller(QAbstractSpinBox* poBoite, const QString& oTexte);
// Opens the list, walks to the entry with the arrow keys and takes it with Enter, which the list
// reports as the player's choice. False when the entry is missing or was not taken. What the list shows
// afterwards is the sheet's answer.
bool Choisir(QComboBox* poListe, const QString& oEntree);
// Clicks the check box of a row.
void Cocher(PouvoirTalentWidget* poLigne);
// Picks the entry in the talent or power list and presses the button beside it; false when the
// entry could not be picked.
bool AjouterTalent(Fiche& oFiche, const QString& oNom);
bool AjouterPouvoir(Fiche& oFiche, const QString& oNom);
}

// A new demon, or a new angel.
Personnage* NouveauPerso(bool bDemon);
// For tests that run on both sides: a column "demon" with a row for each side.
void LignesDemonEtAnge();

// A sheet for this character, shown on screen.
std::unique_ptr<Fiche> OuvrirFiche(Personnage* poPerso);
// The start window on screen, once the player has pressed the button of this text there (none when
// the text is empty).
std::unique_ptr<MyWidget> OuvrirDepart(const QString& oBouton = QString());

// While it lives, the program runs from the folder of its pictures or, without them, from an empty
// folder where it finds none.
class Lancement
{
public:
    explicit Lancement(bool bAvecImages);
    Lancement(const Lancement&) = delete;
    Lancement& operator=(const Lancement&) = delete;
    ~Lancement();

private:
    QTemporaryDir moVide;
    QString moAvant;
};
// For tests of the pictures: a column "images" with a row where they are found and one where not.
void LignesAvecEtSansImages();

// Runs the program's event loop while fGeste plays, and gives the loop's result; a loop that does not end within five
// seconds ends with 1.
int Executer(const std::function<void()>& fGeste);

// The button of the window that shows this text, mnemonic included; null when there is none.
QPushButton* Bouton(const QWidget& oFenetre, const QString& oTexte);

// The rows of a column, top to bottom, and the entries of a list.
QList<PouvoirTalentWidget*> Lignes(const QVBoxLayout* poColonne);
QStringList NomsDesLignes(const QVBoxLayout* poColonne);
PouvoirTalentWidget* Ligne(const QVBoxLayout* poColonne, const QString& oNom);
QDoubleSpinBox* BoiteDe(PouvoirTalentWidget* poLigne);
int NombreEspaceurs(const QVBoxLayout* poColonne);
bool FinitParEspaceur(const QVBoxLayout* poColonne);
QStringList Entrees(const QComboBox* poListe);

// Every widget of the sheet against the character it shows; empty when they all agree, else one
// line per widget that shows something else.
QString CeQuiDiffere(Fiche& oFiche);

// Fails the test, naming each widget of the sheet that does not show the character.
#define VERIFIER_FICHE(oFiche)                                                                         \
    do                                                                                                 \
    {                                                                                                  \
        const QString oEcartsFiche = CeQuiDiffere(oFiche);                                             \
        QVERIFY2(oEcartsFiche.isEmpty(), qPrintable(oEcartsFiche));                                    \
    } while (false)

// What the player can read of a character apart from its talents and powers, so that "nothing
// changed" is one comparison.
struct Releve
{
    std::string oSuperieur;
    int nPA;
    int nPATotal;
    int nPASecondaire;
    int nPAConverti;
    int nGrade;
    int nPP;
    std::array<float, 6> oCaract;
};

bool operator==(const Releve& oGauche, const Releve& oDroite);
char* toString(const Releve& oReleve);
Releve ReleveDe(const Personnage& oPerso);

#endif
