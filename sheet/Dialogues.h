#ifndef VEXAL_SHEET_DIALOGUES_H
#define VEXAL_SHEET_DIALOGUES_H

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// The sheet's modal dialogs go through here, so that a test can answer them without a window.
class Dialogues
{
public:
    // What the player says when a character with unsaved changes is about to go.
    enum class Reponse
    {
        Enregistrer,
        NePasEnregistrer,
        Annuler
    };

    // The save and open dialogs' file name; empty when the player cancels. oProposition is the folder or the file
    // the dialog starts from, oFiltre its file types (none when empty). A save dialog adds oSuffixe (without its dot)
    // to a name typed without one, so that its question before overwriting concerns the file really written.
    static QString NomPourEnregistrer(QWidget* poParent, const QString& oTitre, const QString& oProposition = {},
                                      const QString& oFiltre = {}, const QString& oSuffixe = {});
    static QString NomPourOuvrir(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                 const QString& oFiltre);
    // A folder picked from oDepart; empty when the player cancels.
    static QString NomDeDossier(QWidget* poParent, const QString& oTitre, const QString& oDepart);
    // Several files to open at once; none when the player cancels.
    static QStringList NomsPourOuvrir(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                      const QString& oFiltre);
    static void Avertir(QWidget* poParent, const QString& oTitre, const QString& oTexte);
    // The folder of the file last chosen in a file dialog or opened: the player's documents until one is.
    static QString Dossier();
    // Takes the file's folder as the one last used; gives the name back.
    static QString Retenir(const QString& oNom);
    static Reponse DemanderEnregistrer(QWidget* poParent, const QString& oTexte);
    // A question and the answers it offers, the first of them the default and the last the one of Escape; gives
    // the index of the answer.
    static int Demander(QWidget* poParent, const QString& oTexte, const QStringList& oReponses, int nDefaut = 0);
    // The print dialog; false when the player cancels. Answered by SetProchainNom, the printer writes that PDF file.
    static bool ChoisirImprimante(QWidget* poParent, QPrinter& oImprimante);

    // The next file dialog is not shown and answers this name instead (an empty name cancels).
    static void SetProchainNom(const QString& oNom);
    // The same for the next dialog that opens several files (none cancels).
    static void SetProchainsNoms(const QStringList& oNoms);
    // While set, warnings are added to this list instead of being shown; null shows them again.
    static void SetTemoinAvertissements(QStringList* poTemoin);
    // The next questions are not shown and get these answers in turn, each the text of one the question offers;
    // none shows them again. ProchainesReponses tells which answers are still waiting, that is which questions were
    // not asked.
    static void SetProchainesReponses(const QStringList& oReponses);
    static QStringList ProchainesReponses() { return moReponses; }
    // The same for the question before a character goes.
    static void SetProchaineReponse(std::optional<Reponse> oReponse);
    static std::optional<Reponse> ProchaineReponse();

private:
    static QString moDossier;
    static std::optional<QString> moProchainNom;
    static std::optional<QStringList> moProchainsNoms;
    static QStringList* mpoTemoin;
    static QStringList moReponses;
};

#endif
