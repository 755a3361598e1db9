#include "Dialogues.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

QString Dialogues::moDossier;
std::optional<QString> Dialogues::moProchainNom;
QStringList* Dialogues::mpoTemoin = nullptr;
std::optional<Dialogues::Reponse> Dialogues::moProchaineReponse;

namespace
{
template <class Valeur>
std::optional<Valeur> Prendre(std::optional<Valeur>& oAttendue)
{
    std::optional<Valeur> oValeur = oAttendue;
    oAttendue.reset();
    return oValeur;
}
}

QString Dialogues::NomPourEnregistrer(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                      const QString& oFiltre)
{
    if (std::optional<QString> oNom = Prendre(moProchainNom))
        return Retenir(*oNom);
    return Retenir(QFileDialog::getSaveFileName(poParent, oTitre, oProposition, oFiltre));
}

QString Dialogues::NomPourOuvrir(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                 const QString& oFiltre)
{
    if (std::optional<QString> oNom = Prendre(moProchainNom))
        return Retenir(*oNom);
    return Retenir(QFileDialog::getOpenFileName(poParent, oTitre, oProposition, oFiltre));
}

QString Dialogues::Retenir(const QString& oNom)
{
    if (!oNom.isEmpty())
        moDossier = QFileInfo(oNom).absolutePath();
    return oNom;
}

QString Dialogues::Dossier()
{
    if (!moDossier.isEmpty())
        return moDossier;
    // A documents folder that does not exist would be taken for a file name.
    const QString oDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(oDocuments).isDir() ? oDocuments : QDir::homePath();
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

Dialogues::Reponse Dialogues::DemanderEnregistrer(QWidget* poParent, const QString& oTexte)
{
    if (std::optional<Reponse> oReponse = Prendre(moProchaineReponse))
        return *oReponse;
    QMessageBox oQuestion(QMessageBox::Warning, QStringLiteral("VEXAL"), oTexte, QMessageBox::NoButton, poParent);
    QPushButton* poEnregistrer = oQuestion.addButton(QObject::tr("Enregistrer"), QMessageBox::AcceptRole);
    QPushButton* poAbandonner = oQuestion.addButton(QObject::tr("Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton* poAnnuler = oQuestion.addButton(QObject::tr("Annuler"), QMessageBox::RejectRole);
    oQuestion.setDefaultButton(poEnregistrer);
    oQuestion.setEscapeButton(poAnnuler);
    oQuestion.exec();
    if (oQuestion.clickedButton() == poEnregistrer)
        return Reponse::Enregistrer;
    if (oQuestion.clickedButton() == poAbandonner)
        return Reponse::NePasEnregistrer;
    return Reponse::Annuler;
}

bool Dialogues::ChoisirImprimante(QWidget* poParent, QPrinter& oImprimante)
{
    if (std::optional<QString> oNom = Prendre(moProchainNom))
    {
        oImprimante.setOutputFormat(QPrinter::PdfFormat);
        oImprimante.setOutputFileName(*oNom);
        return !oNom->isEmpty();
    }
    QPrintDialog oDialogue(&oImprimante, poParent);
    return oDialogue.exec() == QDialog::Accepted;
}

void Dialogues::SetProchainNom(const QString& oNom)
{
    moProchainNom = oNom;
}

void Dialogues::SetTemoinAvertissements(QStringList* poTemoin)
{
    mpoTemoin = poTemoin;
}

void Dialogues::SetProchaineReponse(std::optional<Reponse> oReponse)
{
    moProchaineReponse = oReponse;
}
