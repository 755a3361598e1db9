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
    // the dialog starts from, oFiltre its file types (none when empty).
    static QString NomPourEnregistrer(QWidget* poParent, const QString& oTitre, const QString& oProposition = {},
                                      const QString& oFiltre = {});
    static QString NomPourOuvrir(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                 const QString& oFiltre);
    static void Avertir(QWidget* poParent, const QString& oTitre, const QString& oTexte);
    // The folder of the file last chosen in a file dialog or opened: the player's documents until one is.
    static QString Dossier();
    // Takes the file's folder as the one last used; gives the name back.
    static QString Retenir(const QString& oNom);
    static Reponse DemanderEnregistrer(QWidget* poParent, const QString& oTexte);
    // The print dialog; false when the player cancels. Answered by SetProchainNom, the printer writes that PDF file.
    static bool ChoisirImprimante(QWidget* poParent, QPrinter& oImprimante);

    // The next file dialog is not shown and answers this name instead (an empty name cancels).
    static void SetProchainNom(const QString& oNom);
    // While set, warnings are added to this list instead of being shown; null shows them again.
    static void SetTemoinAvertissements(QStringList* poTemoin);
    // The next question is not shown and gets this answer; none shows it again. ProchaineReponse tells whether
    // the answer is still waiting, that is whether no question was asked.
    static void SetProchaineReponse(std::optional<Reponse> oReponse);
    static std::optional<Reponse> ProchaineReponse() { return moProchaineReponse; }

private:
    static QString moDossier;
    static std::optional<QString> moProchainNom;
    static QStringList* mpoTemoin;
    static std::optional<Reponse> moProchaineReponse;
};

#endif
