#include "Dialogues.h"

#include "NomFichier.h"
#include "disque/LectureFichier.h"

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
std::optional<QStringList> Dialogues::moProchainsNoms;
QStringList* Dialogues::mpoTemoin = nullptr;
QStringList Dialogues::moReponses;

namespace
{
// The answers of the question before a character goes, in the order of Dialogues::Reponse.
QStringList ReponsesEnregistrer()
{
    return {QObject::tr("Enregistrer"), QObject::tr("Ne pas enregistrer"), QObject::tr("Annuler")};
}

template <class Valeur>
std::optional<Valeur> Prendre(std::optional<Valeur>& oAttendue)
{
    std::optional<Valeur> oValeur = oAttendue;
    oAttendue.reset();
    return oValeur;
}
}

QString Dialogues::NomPourEnregistrer(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                      const QString& oFiltre, const QString& oSuffixe)
{
    QString oNom;
    if (std::optional<QString> oProchain = Prendre(moProchainNom))
        oNom = *oProchain;
    else
    {
        QFileDialog oDialogue(poParent, oTitre, oProposition, oFiltre);
        oDialogue.setAcceptMode(QFileDialog::AcceptSave);
        oDialogue.setDefaultSuffix(oSuffixe);
        if (oDialogue.exec() != QDialog::Accepted || oDialogue.selectedFiles().isEmpty())
            return {};
        oNom = oDialogue.selectedFiles().first();
    }
    // A dialog of the desktop's own may leave the suffix out: the question it asked was then about another file.
    if (!oNom.isEmpty() && !oSuffixe.isEmpty() && QFileInfo(oNom).suffix().isEmpty())
    {
        oNom += QLatin1Char('.') + oSuffixe;
        const QString oQuestion = QObject::tr("« %1 » existe déjà.\nLe remplacer ?").arg(QFileInfo(oNom).fileName());
        const QStringList oReponses{QObject::tr("Remplacer"), QObject::tr("Annuler")};
        if (EmpreinteDe(NomFichier::Octets(oNom).constData()).mbExiste && Demander(poParent, oQuestion, oReponses, 1) != 0)
            return {};
    }
    return Retenir(oNom);
}

QString Dialogues::NomPourOuvrir(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                 const QString& oFiltre)
{
    if (std::optional<QString> oNom = Prendre(moProchainNom))
        return Retenir(*oNom);
    return Retenir(QFileDialog::getOpenFileName(poParent, oTitre, oProposition, oFiltre));
}

QString Dialogues::NomDeDossier(QWidget* poParent, const QString& oTitre, const QString& oDepart)
{
    if (std::optional<QString> oNom = Prendre(moProchainNom))
        return *oNom;
    return QFileDialog::getExistingDirectory(poParent, oTitre, oDepart);
}

QStringList Dialogues::NomsPourOuvrir(QWidget* poParent, const QString& oTitre, const QString& oProposition,
                                      const QString& oFiltre)
{
    std::optional<QStringList> oNoms = Prendre(moProchainsNoms);
    if (!oNoms)
        oNoms = QFileDialog::getOpenFileNames(poParent, oTitre, oProposition, oFiltre);
    if (!oNoms->isEmpty())
        Retenir(oNoms->first());
    return *oNoms;
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
    // A name or a reason in the text is shown as it is, never as markup.
    QMessageBox oAvertissement(QMessageBox::Warning, oTitre, oTexte, QMessageBox::Ok, poParent);
    oAvertissement.setTextFormat(Qt::PlainText);
    oAvertissement.exec();
}

Dialogues::Reponse Dialogues::DemanderEnregistrer(QWidget* poParent, const QString& oTexte)
{
    return static_cast<Reponse>(Demander(poParent, oTexte, ReponsesEnregistrer()));
}

int Dialogues::Demander(QWidget* poParent, const QString& oTexte, const QStringList& oReponses, int nDefaut)
{
    if (!moReponses.isEmpty())
    {
        const qsizetype nReponse = oReponses.indexOf(moReponses.takeFirst());
        if (nReponse < 0)
            qFatal("The question \"%s\" offers no such answer", qPrintable(oTexte));
        return static_cast<int>(nReponse);
    }
    QMessageBox oQuestion(QMessageBox::Warning, QStringLiteral("VEXAL"), oTexte, QMessageBox::NoButton, poParent);
    oQuestion.setTextFormat(Qt::PlainText);
    QList<QPushButton*> oBoutons;
    for (qsizetype n = 0; n < oReponses.size(); ++n)
    {
        const bool bEchap = n == oReponses.size() - 1;
        oBoutons << oQuestion.addButton(oReponses[n], bEchap ? QMessageBox::RejectRole
                                                      : n == 0 ? QMessageBox::AcceptRole
                                                               : QMessageBox::DestructiveRole);
    }
    oQuestion.setDefaultButton(oBoutons.value(nDefaut));
    oQuestion.setEscapeButton(oBoutons.last());
    oQuestion.exec();
    const qsizetype nReponse = oBoutons.indexOf(qobject_cast<QPushButton*>(oQuestion.clickedButton()));
    return static_cast<int>(nReponse < 0 ? oReponses.size() - 1 : nReponse);
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

void Dialogues::SetProchainsNoms(const QStringList& oNoms)
{
    moProchainsNoms = oNoms;
}

void Dialogues::SetTemoinAvertissements(QStringList* poTemoin)
{
    mpoTemoin = poTemoin;
}

void Dialogues::SetProchainesReponses(const QStringList& oReponses)
{
    moReponses = oReponses;
}

void Dialogues::SetProchaineReponse(std::optional<Reponse> oReponse)
{
    moReponses.clear();
    if (oReponse)
        moReponses << ReponsesEnregistrer().at(static_cast<int>(*oReponse));
}

std::optional<Dialogues::Reponse> Dialogues::ProchaineReponse()
{
    const qsizetype nReponse = moReponses.isEmpty() ? -1 : ReponsesEnregistrer().indexOf(moReponses.first());
    return nReponse < 0 ? std::nullopt : std::optional(static_cast<Reponse>(nReponse));
}
