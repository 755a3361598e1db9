#include "Fiche.h"

#include "FiltreSaisie.h"
#include "PouvoirTalentWidget.h"
#include "model/Ange.h"
#include "model/Demon.h"
#include "model/Personnage.h"

#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>
#include <set>

namespace
{
// Calls f on every row of a column; f may not add or remove rows.
template <class Fonction>
void PourChaqueLigne(QVBoxLayout* poColonne, Fonction f)
{
    for (int i = 0; i < poColonne->count(); ++i)
    {
        if (auto* poLigne = qobject_cast<PouvoirTalentWidget*>(poColonne->itemAt(i)->widget()))
            f(*poLigne);
    }
}

// A row that already shows the value is left alone: writing it again costs the whole text of its box, and a
// number still being typed there stays. The program's own writes never come back as edits.
void EcrireLigne(PouvoirTalentWidget& oLigne, double fValeur)
{
    if (oLigne.GetValue() == fValeur)
        return;
    const QSignalBlocker oBloque(oLigne);
    oLigne.SetValue(fValeur);
}

// Gives a column the height of its rows, so that they scroll when they do not fit, and only then.
void AjusterHauteur(QVBoxLayout* poColonne)
{
    QWidget* poConteneur = poColonne->parentWidget();
    poConteneur->resize(poConteneur->width(), poColonne->sizeHint().height());
}

// Takes out and deletes every row that oEnlever accepts to remove; the column then fits the rows left.
template <class Fonction>
void EnleverLignes(QVBoxLayout* poColonne, Fonction oEnlever)
{
    for (int i = 0; i < poColonne->count();)
    {
        auto* poLigne = qobject_cast<PouvoirTalentWidget*>(poColonne->itemAt(i)->widget());
        if (poLigne == nullptr || !oEnlever(*poLigne))
        {
            ++i;
            continue;
        }
        poColonne->removeWidget(poLigne);
        delete poLigne;
    }
    AjusterHauteur(poColonne);
}
}

void Fiche::FillComboBoxListes()
{
    emit FillComboBox();
    FillPouvoirsAttributes();
    FillTalentListe();
    if (dynamic_cast<Demon*>(mpoPerso.get()) != nullptr)
        FillPrincesDemons();
    else if (dynamic_cast<Ange*>(mpoPerso.get()) != nullptr)
        FillArchanges();
}

void Fiche::FillPouvoirsAttributes()
{
    if (!mpoPerso)
        return;
    const ListePouvoirs::Map* poCatalogue = mpoPerso->GetListeDesPouvoirs();
    if (poCatalogue == nullptr)
        return;
    QStringList oNoms;
    oNoms.reserve(static_cast<qsizetype>(poCatalogue->size()));
    for (const auto& oEntree : *poCatalogue)
        oNoms << QString::fromStdString(oEntree.first);
    PouvoirsListe->addItems(oNoms);
}

void Fiche::FillTalentListe()
{
    if (!mpoPerso)
        return;
    const ListeTalents::Map* poCatalogue = mpoPerso->GetListeDesTalents();
    QStringList oNoms;
    oNoms.reserve(static_cast<qsizetype>(poCatalogue->size()));
    for (const auto& oEntree : *poCatalogue)
        oNoms << QString::fromStdString(oEntree.first);
    comboBoxTalents->addItems(oNoms);
}

bool Fiche::TalentExisteDeja(std::string name)
{
    return mpoPerso->GetTalent(name) != nullptr;
}

QSpacerItem* Fiche::TrouverSpacer(QVBoxLayout* poColonne)
{
    for (int i = 0; i < poColonne->count(); ++i)
    {
        if (QSpacerItem* poSpacer = poColonne->itemAt(i)->spacerItem())
            return poSpacer;
    }
    return nullptr;
}

QSpacerItem* Fiche::TrouverSpacerTalent()
{
    return TrouverSpacer(vboxLayout1);
}

QSpacerItem* Fiche::TrouverSpacerPouvoir()
{
    return TrouverSpacer(vboxLayout);
}

void Fiche::RetirerSpacer(QVBoxLayout* poColonne, QSpacerItem* poSpacer)
{
    if (poSpacer == nullptr)
        return;
    poColonne->removeItem(poSpacer);
    delete poSpacer;
}

void Fiche::AjouterSpacer(QVBoxLayout* poColonne)
{
    // Keeps the rows packed at the top of their column.
    poColonne->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Expanding));
}

void Fiche::AjouterLigne(QVBoxLayout* poColonne, const std::string& oNom, const QString& oToolTip,
                         void (Fiche::*pSlot)())
{
    auto* poLigne = new PouvoirTalentWidget(poColonne->parentWidget());
    poLigne->SetName(oNom.c_str());
    poLigne->setToolTip(oToolTip);
    auto* poBoite = poLigne->findChild<QDoubleSpinBox*>();
    FiltreSaisie::Proteger(poBoite);
    poBoite->setToolTip(AideLigne(poColonne == vboxLayout1, oNom));
    poColonne->addWidget(poLigne, 10);
    // Shown at once rather than on the next turn of the event loop, so that the column's height counts it.
    poLigne->show();
    connect(poLigne, &PouvoirTalentWidget::ValueChanged, this, pSlot);
}

void Fiche::SynchroniserColonne(QVBoxLayout* poColonne, const std::vector<Niveau>& oTenus,
                                const std::function<QString(const std::string&)>& fToolTip, void (Fiche::*pSlot)())
{
    // The names come in order, so a row's name is found by halving.
    const auto Tenu = [&oTenus](const std::string& oNom) {
        const auto oTrouve = std::lower_bound(oTenus.begin(), oTenus.end(), oNom,
                                              [](const Niveau& oNiveau, const std::string& o) { return oNiveau.moNom < o; });
        return oTrouve != oTenus.end() && oTrouve->moNom == oNom;
    };
    std::set<std::string> oMontres;
    EnleverLignes(poColonne, [&](const PouvoirTalentWidget& oLigne) {
        std::string oNom = oLigne.GetName();
        if (Tenu(oNom))
        {
            oMontres.insert(std::move(oNom));
            return false;
        }
        return true;
    });
    if (oMontres.size() == oTenus.size())
        return;
    RetirerSpacer(poColonne, TrouverSpacer(poColonne));
    for (const Niveau& oTenu : oTenus)
    {
        if (oMontres.count(oTenu.moNom) == 0)
            AjouterLigne(poColonne, oTenu.moNom, fToolTip(oTenu.moNom), pSlot);
    }
    AjouterSpacer(poColonne);
    AjusterHauteur(poColonne);
    OrdonnerTabulation();
}

void Fiche::SynchroniserLignes()
{
    SynchroniserColonne(vboxLayout1, mpoEtat->moTalents, [this](const std::string& oNom) {
        return QString::fromLatin1(Priorite2String(mpoPerso->GetTalent(oNom)->GetPriorite()));
    }, &Fiche::TalentChanged);
    SynchroniserColonne(vboxLayout, mpoEtat->moPouvoirs, [this](const std::string& oNom) {
        return QString::fromStdString(mpoPerso->GetPouvoir(oNom)->GetToolTip());
    }, &Fiche::PouvoirChanged);
}

void Fiche::AddTalentItem()
{
    if (!mpoPerso)
        return;
    const std::string oNom = NomChoisi(comboBoxTalents);
    const ListeTalents::Map* poCatalogue = mpoPerso->GetListeDesTalents();
    const auto oRecord = poCatalogue->find(oNom);
    if (oRecord == poCatalogue->end())
        return;
    if (TalentExisteDeja(oNom))
    {
        Annoncer(tr("%1 est déjà acquis").arg(QString::fromStdString(oNom)), true);
        return;
    }
    const Talent& oModele = *oRecord->second;
    Editer(tr("Ajout de %1").arg(QString::fromStdString(oNom)), [&](Personnage& oPerso) {
        oPerso.AjouterTalentBase(oModele.GetName(), oModele.GetPriorite(), oModele.GetCaractBase());
    });
    UpdateFiche();
}

void Fiche::AddPouvoirItem()
{
    if (!mpoPerso)
        return;
    const std::string oNom = NomChoisi(PouvoirsListe);
    bool bPris = false;
    Editer(tr("Ajout de %1").arg(QString::fromStdString(oNom)),
           [&](Personnage& oPerso) { bPris = oPerso.AjouterPouvoirBase(oNom); });
    // A refused power leaves the sheet as it was: nothing to show again.
    if (bPris)
        UpdateFiche();
}

// Every checked row is dealt with in one press, from the top: a speciality whose general talent stands above it
// may go once that one has gone.
void Fiche::RemoveTalentItem()
{
    if (!mpoPerso)
        return;
    Editer(tr("Retrait de talents"), [this](Personnage& oPerso) {
        PourChaqueLigne(vboxLayout1, [&oPerso](PouvoirTalentWidget& oLigne) {
            if (oLigne.IsChecked())
                oPerso.EnleverTalentBase(oLigne.GetName());
        });
    });
    UpdateFiche();
}

void Fiche::RemovePouvoirItem()
{
    if (!mpoPerso)
        return;
    Editer(tr("Retrait de pouvoirs"), [this](Personnage& oPerso) {
        PourChaqueLigne(vboxLayout, [&oPerso](PouvoirTalentWidget& oLigne) {
            if (oLigne.IsChecked())
                oPerso.EnleverPouvoirBase(oLigne.GetName());
        });
    });
    UpdateFiche();
}

void Fiche::ViderColonnes()
{
    const auto Toutes = [](const PouvoirTalentWidget&) { return true; };
    EnleverLignes(vboxLayout1, Toutes);
    EnleverLignes(vboxLayout, Toutes);
}

void Fiche::UpdateTalents()
{
    if (!mpoPerso)
        return;
    Editer(tr("Talents"), [this](Personnage& oPerso) {
        PourChaqueLigne(vboxLayout1, [&oPerso](PouvoirTalentWidget& oLigne) {
            const std::string oNom = oLigne.GetName();
            const Talent* poTalent = oPerso.GetTalent(oNom);
            if (poTalent == nullptr)
                return;
            const double fNiveau = poTalent->GetNiveau();
            const double x = oLigne.GetValue() - oPerso.GetBonusCaract(poTalent->GetCaractBase());
            if (x < fNiveau)
                oPerso.DiminuerTalent(oNom, EnDemiPoints(fNiveau - x));
            else
                oPerso.AugmenterTalent(oNom, EnDemiPoints(x - fNiveau));
        });
    });
    UpdateFiche();
}

void Fiche::UpdatePouvoirs()
{
    if (!mpoPerso)
        return;
    Editer(tr("Pouvoirs"), [this](Personnage& oPerso) {
        PourChaqueLigne(vboxLayout, [&oPerso](PouvoirTalentWidget& oLigne) {
            const std::string oNom = oLigne.GetName();
            const Pouvoir* poPouvoir = oPerso.GetPouvoir(oNom);
            if (poPouvoir == nullptr)
                return;
            const double v = oLigne.GetValue();
            if (v - poPouvoir->GetNiveau() < 0)
                oPerso.DiminuerPouvoir(oNom, EnDemiPoints(poPouvoir->GetNiveau() - v));
            else
                oPerso.AugmenterPouvoir(oNom, EnDemiPoints(v - poPouvoir->GetNiveau()));
        });
    });
    UpdateFiche();
}

void Fiche::UpdateLignesTalents()
{
    PourChaqueLigne(vboxLayout1, [this](PouvoirTalentWidget& oLigne) {
        if (const Talent* poTalent = mpoPerso->GetTalent(oLigne.GetName()))
            EcrireLigne(oLigne, poTalent->GetNiveau() + mpoPerso->GetBonusCaract(poTalent->GetCaractBase()));
    });
}

void Fiche::UpdateLignesPouvoirs()
{
    PourChaqueLigne(vboxLayout, [this](PouvoirTalentWidget& oLigne) {
        if (const Pouvoir* poPouvoir = mpoPerso->GetPouvoir(oLigne.GetName()))
            EcrireLigne(oLigne, poPouvoir->GetNiveau());
    });
}

void Fiche::AddTalentPressed()
{
    AddTalentItem();
}

void Fiche::RemoveTalentPressed()
{
    RemoveTalentItem();
}

void Fiche::AddPouvoirPressed()
{
    AddPouvoirItem();
}

void Fiche::RemovePouvoirPressed()
{
    RemovePouvoirItem();
}

void Fiche::TalentChanged()
{
    UpdateTalents();
}

void Fiche::PouvoirChanged()
{
    UpdatePouvoirs();
}
