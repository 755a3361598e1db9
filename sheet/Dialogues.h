#ifndef VEXAL_SHEET_DIALOGUES_H
#define VEXAL_SHEET_DIALOGUES_H

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The sheet's modal dialogs go through here, so that a test can answer them without a window.
class Dialogues
{
public:
    // The save dialog's file name; empty when the player cancels.
    static QString NomPourEnregistrer(QWidget* poParent, const QString& oTitre);
    static void Avertir(QWidget* poParent, const QString& oTitre, const QString& oTexte);

    // The next save dialog is not shown and answers this name instead (an empty name cancels).
    static void SetProchainNom(const QString& oNom);
    // While set, warnings are added to this list instead of being shown; null shows them again.
    static void SetTemoinAvertissements(QStringList* poTemoin);

private:
    static std::optional<QString> moProchainNom;
    static QStringList* mpoTemoin;
};

#endif
