#ifndef VEXAL_SHEET_FICHE_H
#define VEXAL_SHEET_FICHE_H

#include "CommandeEdition.h"
#include "LienFichier.h"
#include "enregistrements/Regles.h"
#include "ui_VEXALFiche.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CopieRecuperation;
struct CopieOrpheline;
class Personnage;
class PouvoirTalentWidget;
class FenetreNotes;
class QComboBox;
class QDoubleSpinBox;
class QLockFile;
class QMenu;
class QScrollArea;
class QSpacerItem;
class QUndoStack;
class QVBoxLayout;

// The form, under the name that the sheet's meta-object answers a cast for.
using VEXALFiche = Ui::VEXALFiche;

// The character sheet window. It holds no rule: each edit of the player becomes one call on the
// character, and the whole sheet is then read again from the character, so a refused edit springs back.
// An edit that changes the character is one step that can be undone; the character is kept in a file.
class Fiche : public QWidget, public VEXALFiche
{
    Q_OBJECT

public:
    explicit Fiche(QWidget* parent = nullptr);
    ~Fiche() override;

    // The sheet takes ownership of the character, and shows a row for each talent and power it holds. Another
    // character than the one shown comes with no file and no step to undo.
    void SetPerso(Personnage* perso);
    Personnage* GetPerso() const { return mpoPerso.get(); }

    // The file the character was opened from or last saved to; empty for a new character. File names are
    // NomFichier's, bytes kept.
    QString GetFichier() const { return moLien.Nom(); }
    QUndoStack* GetPile() const { return mpoPile; }
    // The recovery copy kept while the character has unsaved changes.
    const CopieRecuperation& GetCopie() const { return *mpoCopie; }
    // Whether the character may go: it has nothing unsaved, or the player, asked, saved it or let it go. What is
    // still being typed is handed on first.
    bool PeutAbandonner();
    // Opens the file in place of the character, or says why not and leaves everything as it was. A file that
    // another VEXAL has open is only opened if the player says so.
    bool OuvrirFichier(const QString& oFichier);
    // Takes up the character of a recovery copy left by a program that stopped: modified, tied to its own file,
    // and kept in the same copy. False, and the copy left alone, when the player keeps away from its file.
    bool Recuperer(CopieOrpheline& oCopie);
    bool OuvrirAction();
    bool EnregistrerAction();
    bool EnregistrerSousAction();
    void PdfAction();
    void ImprimerAction();

    void UpdateFiche();
    void ConnectAll();
    void UpdateCaract(QDoubleSpinBox* box, CARACT c);
    void UpdatePP();
    void UpdateGrade();
    void UpdateTotalPA();

    void FillComboBoxListes();
    void FillPouvoirsAttributes();
    void FillTalentListe();
    void FillPrincesDemons();
    void FillArchanges();
    void AddTalentItem();
    void RemoveTalentItem();
    void AddPouvoirItem();
    void RemovePouvoirItem();
    void UpdateTalents();
    void UpdatePouvoirs();
    void UpdateSuperieur();
    void ExportAction();

    // The scrolling columns of power rows (left) and talent rows (right), named like the form's widgets.
    QScrollArea* PouvoirsArea;
    QScrollArea* TalentsArea;

protected:
    // Only the sheet asks its lists to empty themselves.
    Q_SIGNAL void FillComboBox();

public slots:
    void ForceChanged();
    void AgiliteChanged();
    void PerceptionChanged();
    void PresenceChanged();
    void VolonteChanged();
    void FoiChanged();
    void PPChanged();
    void AddTalentPressed();
    void RemoveTalentPressed();
    void RemovePouvoirPressed();
    void AddPouvoirPressed();
    void TalentChanged();
    void PouvoirChanged();
    void ChangedSuperieur();
    void ChangedGrade();
    void ChangedTotalPA();
    void ExportPressed();

protected:
    void closeEvent(QCloseEvent* poEvent) override;
    bool event(QEvent* poEvent) override;
    // A list the player is about to open says first what the character can take from it now.
    bool eventFilter(QObject* poObjet, QEvent* poEvent) override;

private:
    bool TalentExisteDeja(std::string name);
    QSpacerItem* TrouverSpacerTalent();
    QSpacerItem* TrouverSpacerPouvoir();

    // Half points travel between the sheet and the character as whole steps, the fraction dropped.
    static int EnDemiPoints(double fDifference) { return static_cast<int>(fDifference * 2); }
    // The entry a list shows, as the 8-bit name the character knows it by.
    static std::string NomChoisi(const QComboBox* poListe);
    qreal TaillePolice() const;
    void SetTaillePolice(qreal fTaille);
    void SetCaractMaximum(float fMaximum);
    void UpdateLignesTalents();
    void UpdateLignesPouvoirs();
    void ViderColonnes();
    void ConnecterDocument();

    // The one road of every edit: one call on the character, then one undo step if the character changed; the
    // caller refreshes.
    void Editer(const QString& oTexte, const std::function<void(Personnage&)>& fEdition, int nFusion = -1);
    // Puts a state back (undo, redo) and shows it.
    void Montrer(const EtatPartage& poEtat);
    // Brings the rows, the lists and the tool tips in step with the character, which was in oAvant.
    void Suivre(const EtatPersonnage& oAvant);
    // The character and the file it is tied to (none when empty), with that file's lock and footprint.
    void PrendrePerso(Personnage* perso, const QString& oFichier, std::unique_ptr<QLockFile> poVerrou,
                      const Empreinte& oEmpreinte);
    // The lock of a file to open; false when another program has it open and the player keeps away.
    bool Verrouiller(const QString& oFichier, std::unique_ptr<QLockFile>& poVerrou);
    // The player let the unsaved changes go: nothing asks about them again, and their recovery copy goes.
    void Lacher();
    void SuivreCopie();
    void UpdateNom();
    void MettreAJourTitre();
    void OuvrirNotes();
    // Hands on what is typed in the notes and not yet an edit: before they are saved, printed, undone or dropped.
    void ValiderNotes();
    // Hands on the number still being typed in a box, as Enter would, and the notes: what is typed is what is
    // saved, printed or undone. A number the box cannot take is refused with its reason.
    void ValiderSaisie();
    void MontrerRecents(QMenu* poMenu);
    // The character's name as a file name with this extension, in the folder last used.
    QString NomPropose(const char* oExtension) const;
    bool EnregistrerDans(const QString& oFichier);

    // The status line at the bottom: why the last edit was refused, or what it did that the player did not ask.
    void Annoncer(const QString& oTexte, bool bRefus = false);
    void AnnoncerRaisons();
    // What each box costs and allows at the grade, and what the lists offer to this character now; the lists are
    // brought up to date as they open, the last one seen kept in mbListesAJour.
    void MettreAJourAides();
    void MettreAJourListes();
    QString AideLigne(bool bTalent, const std::string& oNom) const;
    // Tab goes through the sheet from top to bottom and left to right, then through the rows in their order.
    void OrdonnerTabulation();

    // The rows stand for exactly what the character holds: rows of what it no longer holds go, and what it has
    // come to hold gets a row at the end of its column, in name order.
    void SynchroniserLignes();
    void SynchroniserColonne(QVBoxLayout* poColonne, const std::vector<Niveau>& oTenus,
                             const std::function<QString(const std::string&)>& fToolTip, void (Fiche::*pSlot)());
    void AjouterLigne(QVBoxLayout* poColonne, const std::string& oNom, const QString& oToolTip,
                      void (Fiche::*pSlot)());
    static QSpacerItem* TrouverSpacer(QVBoxLayout* poColonne);
    static void RetirerSpacer(QVBoxLayout* poColonne, QSpacerItem* poSpacer);
    static void AjouterSpacer(QVBoxLayout* poColonne);

    struct BoiteCaract
    {
        QDoubleSpinBox* mpoBox;
        CARACT meCaract;
    };

    // None until SetPerso: a sheet without a character leaves every edit where the player put it.
    std::unique_ptr<Personnage> mpoPerso;
    std::array<BoiteCaract, 6> moBoitesCaract;
    QUndoStack* mpoPile;
    // The character as the last edit, undo or redo left it: the state before the next edit.
    EtatPartage mpoEtat;
    LienFichier moLien;
    CopieRecuperation* mpoCopie;
    bool mbLache = false;  // the player let the unsaved changes go
    FenetreNotes* mpoNotes = nullptr;  // made the first time the player opens the notes
    int mnGradeDesAides = -1;  // the grade the boxes' tool tips speak of
    bool mbListesAJour = false;
};

#endif
