#ifndef VEXAL_SHEET_FICHE_H
#define VEXAL_SHEET_FICHE_H

#include "ColonneLignes.h"
#include "CommandesFichier.h"
#include "DocumentPersonnage.h"
#include "ListesChoix.h"
#include "enregistrements/Regles.h"
#include "model/EtatPersonnage.h"
#include "ui_VEXALFiche.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

class FenetreJournal;
class FenetreNotes;
class Personnage;
class QAbstractSpinBox;
class QDoubleSpinBox;
class QScrollArea;
class QSpacerItem;
class QUndoStack;

// The form, under the name that the sheet's meta-object answers a cast for.
using VEXALFiche = Ui::VEXALFiche;

// The character sheet window, a view of one document: each gesture of the player becomes one call on the document,
// and whatever the document then says (the character changed, a refusal, the file) is shown again from it. The
// questions and file dialogs are the window's own.
class Fiche : public QWidget, public VEXALFiche
{
    Q_OBJECT

public:
    explicit Fiche(QWidget* parent = nullptr);
    ~Fiche() override;

    // The sheet's document takes the character, and the sheet shows a row for each talent and power it holds.
    // Another character than the one shown comes with no file and no step to undo.
    void SetPerso(Personnage* perso) { mpoDocument->Remplacer(perso); }
    Personnage* GetPerso() const { return mpoDocument->GetPerso(); }
    DocumentPersonnage& GetDocument() const { return *mpoDocument; }
    // The sheet shows this document from now on, which other views may show as well (the table of a campaign): it
    // holds the character, its steps and its file. The document shown before goes with its last view.
    void Lier(std::shared_ptr<DocumentPersonnage> poDocument);
    // A document to take another character in: the sheet's own when no other view shows it, else a new one.
    std::shared_ptr<DocumentPersonnage> DocumentLibre() const;
    // Another view shows the document too.
    bool DocumentPartage() const { return mpoDocument.use_count() > 1; }
    // The file the character was opened from or last saved to; empty for a new character. File names are
    // NomFichier's, bytes kept.
    QString GetFichier() const { return mpoDocument->GetFichier(); }
    QUndoStack* GetPile() const { return mpoDocument->GetPile(); }
    const CopieRecuperation& GetCopie() const { return mpoDocument->GetCopie(); }

    // Whether the character may go: it has nothing unsaved, or the player, asked, saved it or let it go. What is
    // still being typed is handed on first.
    bool PeutAbandonner() { return mpoCommandes->PeutAbandonner(); }
    // Opens the file in place of the character, or says why not and leaves everything as it was. A file that
    // another VEXAL has open is only opened if the player says so.
    bool OuvrirFichier(const QString& oFichier) { return mpoCommandes->OuvrirFichier(oFichier); }
    // A character file as OuvrirFichier once the character shown may go; a table file is handed on.
    bool PrendreFichier(const QString& oFichier) { return mpoCommandes->Prendre(oFichier); }
    // The commands on files, which hand on the table files the player chooses (CommandesFichier::TableChoisie).
    CommandesFichier& GetCommandes() const { return *mpoCommandes; }
    // Takes up the character of a recovery copy left by a program that stopped: modified, tied to its own file,
    // and kept in the same copy. False, and the copy left alone, when the player keeps away from its file.
    bool Recuperer(CopieOrpheline& oCopie) { return mpoCommandes->Recuperer(oCopie); }
    bool OuvrirAction() { return mpoCommandes->Ouvrir(); }
    bool EnregistrerAction() { return mpoCommandes->Enregistrer(); }
    bool EnregistrerSousAction() { return mpoCommandes->EnregistrerSous(); }
    void PdfAction() { mpoCommandes->Pdf(); }
    void ImprimerAction() { mpoCommandes->Imprimer(); }
    void ExportAction() { mpoCommandes->Exporter(); }

    void UpdateFiche();
    void ConnectAll();
    // Each edit in the values the sheet shows; the document asks the rules.
    void UpdateCaract(QDoubleSpinBox* box, CARACT c);
    void UpdatePP() { mpoDocument->ChangerPP(PPValue->value()); }
    void UpdateGrade() { mpoDocument->ChangerGrade(spinBoxGRADE->value()); }
    void UpdateTotalPA() { mpoDocument->ChangerTotalPA(spinBoxPATOT->value()); }
    void UpdateSuperieur() { mpoDocument->ChoisirSuperieur(ListesChoix::NomChoisi(SuperieurListe)); }
    void AddTalentItem() { mpoDocument->AjouterTalent(ListesChoix::NomChoisi(comboBoxTalents)); }
    void AddPouvoirItem() { mpoDocument->AjouterPouvoir(ListesChoix::NomChoisi(PouvoirsListe)); }
    // Every checked row in one press, from the top: a speciality whose general talent stands above it may go once
    // that one has gone.
    void RemoveTalentItem() { mpoDocument->EnleverTalents(mpoColonneTalents->Coches()); }
    void RemovePouvoirItem() { mpoDocument->EnleverPouvoirs(mpoColonnePouvoirs->Coches()); }
    // A row the player changed is handed on alone; the others show what the character holds.
    void UpdateTalents();
    void UpdatePouvoirs();

    void FillComboBoxListes();
    void FillPouvoirsAttributes() { mpoListes->RemplirPouvoirs(); }
    void FillTalentListe() { mpoListes->RemplirTalents(); }
    void FillPrincesDemons() { mpoListes->RemplirSuperieurs(DEMON); }
    void FillArchanges() { mpoListes->RemplirSuperieurs(ANGE); }

    // The scrolling columns of power rows (left) and talent rows (right), named like the form's widgets.
    QScrollArea* PouvoirsArea;
    QScrollArea* TalentsArea;

protected:
    // Only the sheet asks its lists to empty themselves.
    Q_SIGNAL void FillComboBox();

public slots:
    // Each a gesture of the player, handed on.
    void ForceChanged() { UpdateCaract(ForceValue, FORCE); }
    void AgiliteChanged() { UpdateCaract(AgiliteValue, AGILITE); }
    void PerceptionChanged() { UpdateCaract(PerceptionValue, PERCEPTION); }
    void PresenceChanged() { UpdateCaract(PresenceValue, PRESENCE); }
    void VolonteChanged() { UpdateCaract(VolonteValue, VOLONTE); }
    void FoiChanged() { UpdateCaract(FoiValue, FOI); }
    void PPChanged() { UpdatePP(); }
    void AddTalentPressed() { AddTalentItem(); }
    void RemoveTalentPressed() { RemoveTalentItem(); }
    void RemovePouvoirPressed() { RemovePouvoirItem(); }
    void AddPouvoirPressed() { AddPouvoirItem(); }
    void TalentChanged() { UpdateTalents(); }
    void PouvoirChanged() { UpdatePouvoirs(); }
    void ChangedSuperieur() { UpdateSuperieur(); }
    void ChangedGrade() { UpdateGrade(); }
    void ChangedTotalPA() { UpdateTotalPA(); }
    void ExportPressed() { ExportAction(); }

protected:
    void closeEvent(QCloseEvent* poEvent) override;
    void showEvent(QShowEvent* poEvent) override;
    bool event(QEvent* poEvent) override;

private:
    bool TalentExisteDeja(std::string name);
    QSpacerItem* TrouverSpacerTalent() { return mpoColonneTalents->Espaceur(); }
    QSpacerItem* TrouverSpacerPouvoir() { return mpoColonnePouvoirs->Espaceur(); }

    void SetCaractMaximum(float fMaximum);
    // What the rows show: a talent's score, a power's level.
    ColonneLignes::Valeur ScoresTalents() const;
    ColonneLignes::Valeur NiveauxPouvoirs() const;
    void ConnecterDocument();
    // Listens to the document shown, and hands it to the lists and the file commands.
    void SuivreDocument();
    // The document holds another character: its lists, rows and caps are all new.
    void Adopter();
    // Brings the caps, the columns, the tool tips and the lists in step with the character, which was in oAvant,
    // then shows it: the one answer of the sheet to whatever the document did.
    void Suivre(const EtatPersonnage& oAvant);
    void MettreAJourTitre();

    void OuvrirNotes();
    // The journal of the awards, in its own window; made the first time the player opens it.
    void OuvrirJournal();
    // Hands on the number still being typed in a box, as Enter would, the notes typed since their last pause and the
    // journal's cell being typed: what is typed is what is saved, printed or undone. A number the box cannot take is
    // refused with its reason.
    void ValiderSaisie();

    // A number typed into a box that cannot hold it: the rules say why, or the sheet does.
    void RefuserHorsBornes(QAbstractSpinBox* poBoite, double fValeur);
    // The status line at the bottom: why the last edit was refused, or what it did that the player did not ask.
    void Annoncer(const QString& oTexte, bool bRefus = false);
    // What each box costs and allows at the grade.
    void MettreAJourAides();
    QString AideLigne(bool bTalent, const std::string& oNom) const;
    // Tab goes through the sheet from top to bottom and left to right, then through the rows in their order.
    void OrdonnerTabulation();

    struct BoiteCaract
    {
        QDoubleSpinBox* mpoBox;
        CARACT meCaract;
    };

    std::shared_ptr<DocumentPersonnage> mpoDocument;
    ColonneLignes* mpoColonnePouvoirs;
    ColonneLignes* mpoColonneTalents;
    ListesChoix* mpoListes;
    CommandesFichier* mpoCommandes;
    std::array<BoiteCaract, 6> moBoitesCaract;
    FenetreNotes* mpoNotes = nullptr;  // made the first time the player opens the notes
    FenetreJournal* mpoFenetreJournal = nullptr;
    int mnGradeDesAides = -1;  // the grade the boxes' tool tips speak of
    OrdrePartage mpoOrdreMontre;  // the rows' order the columns show
    QRect moPlaceBarre;  // the status line's own place, when its message takes one line
};

#endif
