#include "ListesChoix.h"

#include "DocumentPersonnage.h"
#include "FiltreSaisie.h"
#include "TextePlain.h"
#include "model/Aides.h"
#include "model/Personnage.h"
#include "model/Raisons.h"

#include <QComboBox>
#include <QEvent>
#include <QStandardItemModel>
#include <QSignalBlocker>
#include <QStringList>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

template <class Noms>
QStringList EnListe(const Noms& oNoms)
{
    QStringList oListe;
    for (const auto& oNom : oNoms)
        oListe << Texte(oNom);
    return oListe;
}

template <class Catalogue>
QStringList NomsDe(const Catalogue& oCatalogue)
{
    QStringList oListe;
    oListe.reserve(static_cast<qsizetype>(oCatalogue.size()));
    for (const auto& oEntree : oCatalogue)
        oListe << Texte(oEntree.first);
    return oListe;
}

// The entries of a list, filled from a catalogue in its order, beside the names the character holds, in the same
// order: for each entry, what it is and why the character cannot take it now (empty when it can).
template <class Catalogue, class Aide, class Obstacle>
void GriserListe(QComboBox* poListe, const Catalogue& oCatalogue, const std::vector<Niveau>& oTenus, Aide fAide,
                 Obstacle fObstacle)
{
    auto* poModele = qobject_cast<QStandardItemModel*>(poListe->model());
    // Nothing the list shows changes: the pop-up reads its entries again when it opens.
    const QSignalBlocker oBloque(poModele);
    const QBrush oGris = poListe->palette().brush(QPalette::Disabled, QPalette::Text);
    auto oTenu = oTenus.begin();
    int nEntree = 0;
    for (const auto& [oNom, poRecord] : oCatalogue)
    {
        while (oTenu != oTenus.end() && oTenu->moNom < oNom)
            ++oTenu;
        const bool bTenu = oTenu != oTenus.end() && oTenu->moNom == oNom;
        const QString oPourquoi = bTenu ? QObject::tr("Déjà acquis") : fObstacle(*poRecord);
        QStandardItem* poEntree = poModele->item(nEntree++);
        // What an entry is never changes: it is worded once.
        if (!poEntree->data(Qt::UserRole).isValid())
            poEntree->setData(Texte(fAide(*poRecord)), Qt::UserRole);
        poEntree->setToolTip(
            TextePlain::Bulle(oPourquoi.isEmpty() ? poEntree->data(Qt::UserRole).toString() : oPourquoi));
        poEntree->setForeground(oPourquoi.isEmpty() ? QBrush() : oGris);
    }
}
}

ListesChoix::ListesChoix(QComboBox* poSuperieurs, QComboBox* poPouvoirs, QComboBox* poTalents, QObject* poParent)
    : QObject(poParent),
      mpoSuperieurs(poSuperieurs),
      mpoPouvoirs(poPouvoirs),
      mpoTalents(poTalents)
{
    for (QComboBox* poListe : {poSuperieurs, poPouvoirs, poTalents})
        FiltreSaisie::Proteger(poListe);
    // A new character has no superior yet, and the list says so rather than show a choice never made.
    poSuperieurs->setPlaceholderText(tr("Choisir…"));
    for (QComboBox* poListe : {poPouvoirs, poTalents})
        poListe->installEventFilter(this);
}

void ListesChoix::Lier(const DocumentPersonnage& oDocument)
{
    mpoDocument = &oDocument;
    mbAJour = false;
}

std::string ListesChoix::NomChoisi(const QComboBox* poListe)
{
    return poListe->currentText().toLatin1().toStdString();
}

void ListesChoix::RemplirSuperieurs(PERSO eCamp)
{
    mpoSuperieurs->addItems(EnListe(DocumentPersonnage::Superieurs(eCamp)));
}

void ListesChoix::RemplirPouvoirs()
{
    if (const Personnage* poPerso = mpoDocument->GetPerso(); poPerso && poPerso->GetListeDesPouvoirs())
        mpoPouvoirs->addItems(NomsDe(*poPerso->GetListeDesPouvoirs()));
    mbAJour = false;
}

void ListesChoix::RemplirTalents()
{
    if (const Personnage* poPerso = mpoDocument->GetPerso())
        mpoTalents->addItems(NomsDe(*poPerso->GetListeDesTalents()));
    mbAJour = false;
}

void ListesChoix::MontrerSuperieur(const std::string& oNom)
{
    mpoSuperieurs->setCurrentIndex(mpoSuperieurs->findText(Texte(oNom)));
}

void ListesChoix::Griser()
{
    Personnage& oPerso = *mpoDocument->GetPerso();
    const EtatPersonnage& oEtat = *mpoDocument->GetEtat();
    if (const ListePouvoirs::Map* poPouvoirs = oPerso.GetListeDesPouvoirs())
    {
        GriserListe(mpoPouvoirs, *poPouvoirs, oEtat.moPouvoirs, Aides::EntreePouvoir, [&oPerso](Pouvoir& oModele) {
            return oPerso.AllConditionsPouvoir(&oModele)
                ? QString()
                : Texte(Raisons::Reserve(oModele.GetSpecialOf()));
        });
    }
    GriserListe(mpoTalents, *oPerso.GetListeDesTalents(), oEtat.moTalents, Aides::EntreeTalent,
                [](const Talent&) { return QString(); });
}

bool ListesChoix::eventFilter(QObject* poObjet, QEvent* poEvent)
{
    const bool bOuvre = poEvent->type() == QEvent::MouseButtonPress || poEvent->type() == QEvent::KeyPress;
    if (bOuvre && mpoDocument->GetPerso() && !mbAJour)
    {
        Griser();
        mbAJour = true;
    }
    return QObject::eventFilter(poObjet, poEvent);
}
