#include "Fiche.h"

#include "PouvoirTalentWidget.h"
#include "model/Ange.h"
#include "model/Demon.h"
#include "model/Personnage.h"

#include <QSignalBlocker>
#include <QStringList>

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

// Gives a column the height of its rows, so that they scroll instead of overlapping.
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

bool Fiche::TalentBoxExisteDeja(std::string name)
{
    bool bExiste = false;
    PourChaqueLigne(vboxLayout1, [&](PouvoirTalentWidget& oLigne) { bExiste = bExiste || oLigne.GetName() == name; });
    return bExiste;
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

void Fiche::AjouterLigne(QVBoxLayout* poColonne, const std::string& oNom, double fValeur, const QString& oToolTip,
                         void (Fiche::*pSlot)())
{
    auto* poLigne = new PouvoirTalentWidget(poColonne->parentWidget());
    poLigne->SetValue(fValeur);
    poLigne->SetName(oNom.c_str());
    poLigne->setToolTip(oToolTip);
    poColonne->addWidget(poLigne, 10);
    // Shown at once rather than on the next turn of the event loop, so that the column's height counts it.
    poLigne->show();
    connect(poLigne, &PouvoirTalentWidget::ValueChanged, this, pSlot);
}

void Fiche::AddTalentItem()
{
    if (!mpoPerso)
        return;
    const std::string oNom = NomChoisi(comboBoxTalents);
    const ListeTalents::Map* poCatalogue = mpoPerso->GetListeDesTalents();
    const auto oRecord = poCatalogue->find(oNom);
    if (oRecord == poCatalogue->end() || TalentExisteDeja(oNom))
        return;
    mpoPerso->AjouterTalentBase(oRecord->second->GetName(), oRecord->second->GetPriorite(),
                                oRecord->second->GetCaractBase());
    const Talent* poTalent = mpoPerso->GetTalent(oNom);
    if (poTalent == nullptr)
        return;

    RetirerSpacer(vboxLayout1, TrouverSpacerTalent());
    AjouterLigne(vboxLayout1, oNom, poTalent->GetNiveau(), QString::fromLatin1(Priorite2String(poTalent->GetPriorite())),
                 &Fiche::TalentChanged);
    const Talent* poSpecialite = poTalent->GetSpecialite();
    if (poSpecialite != nullptr && !TalentBoxExisteDeja(poSpecialite->GetName()))
    {
        AjouterLigne(vboxLayout1, poSpecialite->GetName(), poSpecialite->GetNiveau(),
                     QString::fromLatin1(Priorite2String(poSpecialite->GetPriorite())), &Fiche::TalentChanged);
    }
    AjouterSpacer(vboxLayout1);
    AjusterHauteur(vboxLayout1);
    UpdateFiche();
}

void Fiche::AddPouvoirItem()
{
    if (!mpoPerso)
        return;
    const std::string oNom = NomChoisi(PouvoirsListe);
    if (!mpoPerso->AjouterPouvoirBase(oNom))
        return;
    const Pouvoir* poPouvoir = mpoPerso->GetPouvoir(oNom);
    if (poPouvoir == nullptr)
        return;

    RetirerSpacer(vboxLayout, TrouverSpacerPouvoir());
    AjouterLigne(vboxLayout, oNom, poPouvoir->GetNiveau(), QString::fromStdString(poPouvoir->GetToolTip()),
                 &Fiche::PouvoirChanged);
    AjouterSpacer(vboxLayout);
    AjusterHauteur(vboxLayout);
    UpdateFiche();
}

void Fiche::RemoveTalentItem()
{
    if (!mpoPerso)
        return;
    EnleverLignes(vboxLayout1, [this](const PouvoirTalentWidget& oLigne) {
        return oLigne.IsChecked() && mpoPerso->EnleverTalentBase(oLigne.GetName());
    });
    UpdateFiche();
}

void Fiche::RemovePouvoirItem()
{
    if (!mpoPerso)
        return;
    EnleverLignes(vboxLayout, [this](const PouvoirTalentWidget& oLigne) {
        if (!oLigne.IsChecked())
            return false;
        mpoPerso->EnleverPouvoirBase(oLigne.GetName());
        return true;
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
    PourChaqueLigne(vboxLayout1, [this](PouvoirTalentWidget& oLigne) {
        const std::string oNom = oLigne.GetName();
        const Talent* poTalent = mpoPerso->GetTalent(oNom);
        if (poTalent == nullptr)
            return;
        const double fNiveau = poTalent->GetNiveau();
        const double x = oLigne.GetValue() - mpoPerso->GetBonusCaract(poTalent->GetCaractBase());
        if (x < fNiveau)
            mpoPerso->DiminuerTalent(oNom, EnDemiPoints(fNiveau - x));
        else
            mpoPerso->AugmenterTalent(oNom, EnDemiPoints(x - fNiveau));
    });
    UpdateFiche();
}

void Fiche::UpdatePouvoirs()
{
    if (!mpoPerso)
        return;
    PourChaqueLigne(vboxLayout, [this](PouvoirTalentWidget& oLigne) {
        const std::string oNom = oLigne.GetName();
        const Pouvoir* poPouvoir = mpoPerso->GetPouvoir(oNom);
        if (poPouvoir == nullptr)
            return;
        const double v = oLigne.GetValue();
        if (v - poPouvoir->GetNiveau() < 0)
            mpoPerso->DiminuerPouvoir(oNom, EnDemiPoints(poPouvoir->GetNiveau() - v));
        else
            mpoPerso->AugmenterPouvoir(oNom, EnDemiPoints(v - poPouvoir->GetNiveau()));
    });
    UpdateFiche();
}

void Fiche::UpdateLignesTalents()
{
    PourChaqueLigne(vboxLayout1, [this](PouvoirTalentWidget& oLigne) {
        const Talent* poTalent = mpoPerso->GetTalent(oLigne.GetName());
        if (poTalent == nullptr)
            return;
        const QSignalBlocker oBloque(oLigne);
        oLigne.SetValue(poTalent->GetNiveau() + mpoPerso->GetBonusCaract(poTalent->GetCaractBase()));
    });
}

void Fiche::UpdateLignesPouvoirs()
{
    PourChaqueLigne(vboxLayout, [this](PouvoirTalentWidget& oLigne) {
        const Pouvoir* poPouvoir = mpoPerso->GetPouvoir(oLigne.GetName());
        if (poPouvoir == nullptr)
            return;
        const QSignalBlocker oBloque(oLigne);
        oLigne.SetValue(poPouvoir->GetNiveau());
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
