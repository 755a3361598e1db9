#ifndef VEXAL_DOCUMENT_DOCUMENTPERSONNAGE_H
#define VEXAL_DOCUMENT_DOCUMENTPERSONNAGE_H

#include "CommandeEdition.h"
#include "LienFichier.h"
#include "enregistrements/Regles.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CopieRecuperation;
class Personnage;
class QUndoStack;
struct CopieOrpheline;

// One character as the player keeps it, apart from any window: the character, the steps to undo, and the file it is
// tied to, with its lock and its recovery copy. Each intention of the player is one call and at most one step to
// undo; the views learn what became of it from the signals, and hold no rule of their own. File names are
// NomFichier's, bytes kept.
class DocumentPersonnage : public QObject
{
    Q_OBJECT

public:
    // Far more steps than a session makes; each keeps one state of the character, shared with the step beside it.
    static constexpr int kPasMax = 1000;

    explicit DocumentPersonnage(QObject* poParent = nullptr);
    ~DocumentPersonnage() override;

    // None until one is given or opened.
    Personnage* GetPerso() const { return mpoPerso.get(); }
    // The character as the last edit, undo or redo left it; none without a character.
    const EtatPartage& GetEtat() const { return mpoEtat; }
    // The talents and powers held, in the order the player took them; another object each time that order changes.
    const OrdrePartage& GetOrdre() const { return mpoOrdre; }
    // The awards of PA from the character's creation on, whose sum is its total; none without a character.
    const JournalPartage& GetJournal() const { return mpoJournal; }
    QUndoStack* GetPile() const { return mpoPile; }
    // The file the character was opened from or last saved to; empty for a new character.
    QString GetFichier() const { return moLien.Nom(); }
    const CopieRecuperation& GetCopie() const { return *mpoCopie; }
    // Unsaved changes the player has not let go.
    bool EstModifie() const;
    // What the document last said (see Annonce), for a view that comes to show it.
    const QString& GetAnnonce() const { return moAnnonce; }
    bool GetAnnonceRefus() const { return mbAnnonceRefus; }
    // Somebody else wrote the character's file since this document read or wrote it.
    bool ChangeSurDisque() const { return moLien.ChangeSurDisque(); }
    // What the sheet shows of a talent held: its level with its characteristic's bonus; of a power: its level.
    std::optional<double> ScoreTalent(const std::string& oNom) const;
    std::optional<double> NiveauPouvoir(const std::string& oNom) const;
    // A character file's extension, without its dot.
    static QString Extension();
    // The superiors a character of this side may serve, in the program's order.
    static const std::vector<std::string>& Superieurs(PERSO eCamp);

    // Takes this character, with no file and nothing to undo; the same character given again keeps both.
    void Remplacer(Personnage* poPerso);
    // The character of the file, tied to it with the lock the caller took (none when it could not); or why not, and
    // then nothing changes. An empty reason means success. A character's web page gives its character untied, as a
    // new one, so that saving it never writes over the page.
    QString Ouvrir(const QString& oFichier, std::unique_ptr<QLockFile> poVerrou);
    // Writes the character to the file, which it is tied to from then on, with the lock given for a new file (else
    // one taken when free); or why not, and then the disk and the document are as they were. What went wrong on the
    // side (the previous version could not be kept) is told in poAvertissement.
    QString Enregistrer(const QString& oFichier, std::unique_ptr<QLockFile> poVerrou = nullptr,
                        QString* poAvertissement = nullptr);
    // Takes up the character of a copy a stopped program left: modified, tied to its own file, kept in that copy.
    // A copy that cannot go back to its file comes back without one.
    QString Recuperer(CopieOrpheline& oCopie, std::unique_ptr<QLockFile> poVerrou);
    // A character left with nothing unsaved lets other programs open its file unwarned; taken up again, it locks
    // the file again, or says who has it now.
    void RelacherVerrou();
    void ReprendreVerrou();
    // What the player is told when a file has no lock, oRaison saying why.
    static QString RaisonSansVerrou(const QString& oRaison);
    // The player let the unsaved changes go: they are not asked about again, and their recovery copy goes.
    void Lacher();
    // The same, the character going back to what its file holds when its steps know it.
    void Revenir();

    // The player's intentions, in the values the sheet shows: a characteristic, a talent's score and a power's level
    // go by half points, the fraction dropped.
    void ChangerCaracteristique(CARACT eCaract, double fValeur);
    void ChangerPP(int nPP);
    void ChangerTotalPA(int nTotal);
    void ChangerGrade(int nGrade);
    void ChoisirSuperieur(const std::string& oNom);
    void AjouterTalent(const std::string& oNom);
    void AjouterPouvoir(const std::string& oNom);
    // In one press, secondary talents and languages first: what they give back pays for what the others take back,
    // so that no order of the same removals converts fewer PA. A speciality goes after its general talent.
    void EnleverTalents(const std::vector<std::string>& oNoms);
    void EnleverPouvoirs(const std::vector<std::string>& oNoms);
    void ChangerScoreTalent(const std::string& oNom, double fScore);
    void ChangerNiveauPouvoir(const std::string& oNom, double fNiveau);
    // Typing a name letter by letter is one step.
    void ChangerNom(const std::string& oNom);
    void ChangerNotes(const std::string& oNotes);

    // The game master's awards, each one step. A date is AAAA-MM-JJ, or empty when unknown; a negative award is a
    // correction. An award goes only with its PA unspent. Once awards exist, the total PA set by hand is an award
    // "Ajustement" of today, and changes made in a row make one.
    void Accorder(const std::string& oDate, int nPA, const std::string& oRaison);
    void RetirerAttribution(std::size_t nAttribution);
    void ChangerDate(std::size_t nAttribution, const std::string& oDate);
    void ChangerRaison(std::size_t nAttribution, const std::string& oRaison);
    // Today as the journal writes it.
    static std::string Aujourdhui();

    // For an award given to several characters at once, all or none: what the file would hold once this one is
    // granted, without granting it; nothing, with why, when the rules refuse it.
    std::optional<std::string> TexteAvecAttribution(const std::string& oDate, int nPA, const std::string& oRaison,
                                                    QString& oRefus) const;
    // The award granted as one step, the file already holding oTexte, which it leads to: the character is saved.
    void AccorderEnregistre(const std::string& oDate, int nPA, const std::string& oRaison, const std::string& oTexte);
    // This program wrote oTexte in the character's file: nobody else changed it.
    void NoterFichier(const std::string& oTexte) { moLien.Noter(oTexte); }
    // Why the file cannot be written for everyone now: another VEXAL has it open, or somebody wrote it since this
    // document read or wrote it. Empty when it can; a free lock is taken on the way.
    QString RaisonIndisponible();

signals:
    // The views show the character again, which stood in oAvant before: after an edit that changed it or that came
    // with a value the character may not have taken, an undo, a redo, an opening or a replacement.
    void Change(const EtatPersonnage& oAvant);
    // Comes before Change when the character is another one, whose rows and lists are all new.
    void PersoRemplace();
    // What the rules said of the last intention: why it was refused, or what it did unasked; empty clears it.
    void Annonce(const QString& oTexte, bool bRefus);
    void FichierChange(const QString& oFichier);
    void PropreChange(bool bPropre);

private:
    friend class CommandeEdition;

    // Whether the views are shown the character again when the intention changed nothing.
    enum class Revoir
    {
        Toujours,
        SiChange
    };

    // The one road of every intention: the rules asked once, then one step if the character changed.
    void Editer(const QString& oTexte, const std::function<void(Personnage&)>& fEdition, Revoir eRevoir,
                int nFusion = -1);
    // The same for an intention on the journal too, which says why it was refused.
    void EditerJournal(const QString& oTexte, const std::function<std::string(Personnage&, Journal&)>& fEdition,
                       int nFusion = -1);
    // The step on top is one of this kind, which the next may join.
    bool Fusionnable(int nFusion) const;
    void Pousser(const QString& oTexte, const Instantane& oAvant, int nFusion);
    // Puts a state of this character back: undo and redo.
    void Restaurer(const Instantane& oInstantane);
    void Prendre(std::unique_ptr<Personnage> poPerso, Journal oJournal, const QString& oFichier,
                 std::unique_ptr<QLockFile> poVerrou, const Empreinte& oEmpreinte,
                 std::optional<FichierPersonnage::VersionFichier> oVersion);
    void AnnoncerRaisons();
    QString PrendreDePage(std::unique_ptr<Personnage> poPerso, Journal oJournal);
    void SuivreCopie();

    std::unique_ptr<Personnage> mpoPerso;
    QUndoStack* mpoPile;
    // The character as the last edit, undo or redo left it: the state before the next edit.
    EtatPartage mpoEtat;
    OrdrePartage mpoOrdre;
    JournalPartage mpoJournal;
    LienFichier moLien;
    CopieRecuperation* mpoCopie;
    bool mbLache = false;
    QString moAnnonce;
    bool mbAnnonceRefus = false;
};

#endif
