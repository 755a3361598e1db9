#include "Dialogues.h"

#include <QFileDialog>
#include <QMessageBox>

std::optional<QString> Dialogues::moProchainNom;
QStringList* Dialogues::mpoTemoin = nullptr;

QString Dialogues::NomPourEnregistrer(QWidget* poParent, const QString& oTitre)
{
    if (moProchainNom)
    {
        const QString oNom = *moProchainNom;
        moProchainNom.reset();
        return oNom;
    }
    return QFileDialog::getSaveFileName(poParent, oTitre);
}

void Dialogues::Avertir(QWidget* poParent, const QString& oTitre, const QString& oTexte)
{
    if (mpoTemoin != nullptr)
    {
        mpoTemoin->append(oTexte);
        return;
    }
    QMessageBox::warning(poParent, oTitre, oTexte);
}

void Dialogues::SetProchainNom(const QString& oNom)
{
    moProchainNom = oNom;
}

void Dialogues::SetTemoinAvertissements(QStringList* poTemoin)
{
    mpoTemoin = poTemoin;
}
