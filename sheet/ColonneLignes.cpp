#include "ColonneLignes.h"

#include "FiltreSaisie.h"
#include "PouvoirTalentWidget.h"
#include "TextePlain.h"

#include <QDoubleSpinBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <map>
#include <set>

ColonneLignes::ColonneLignes(QVBoxLayout* poColonne, QWidget* poFenetre, const char* oNom, const QRect& oPlace)
    : QObject(poFenetre),
      mpoColonne(poColonne),
      mpoZone(new QScrollArea(poFenetre))
{
    QWidget* poConteneur = poColonne->parentWidget();
    mpoZone->setObjectName(QLatin1String(oNom));
    // The scroll area leaves the column's size alone: the column is as tall as its rows, and scrolls only when
    // they do not fit.
    poConteneur->resize(poConteneur->width(), 0);
    mpoZone->setWidget(poConteneur);
    mpoZone->setGeometry(oPlace);
    mpoZone->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes to the rows themselves, and the area follows the one that has the focus.
    mpoZone->setFocusPolicy(Qt::NoFocus);
}

QList<PouvoirTalentWidget*> ColonneLignes::Lignes() const
{
    QList<PouvoirTalentWidget*> oLignes;
    for (int i = 0; i < mpoColonne->count(); ++i)
    {
        if (auto* poLigne = qobject_cast<PouvoirTalentWidget*>(mpoColonne->itemAt(i)->widget()))
            oLignes << poLigne;
    }
    return oLignes;
}

QSpacerItem* ColonneLignes::Espaceur() const
{
    for (int i = 0; i < mpoColonne->count(); ++i)
    {
        if (QSpacerItem* poEspaceur = mpoColonne->itemAt(i)->spacerItem())
            return poEspaceur;
    }
    return nullptr;
}

bool ColonneLignes::Suivre(const std::vector<std::string>& oNoms, const Aide& fLigne, const Aide& fBoite)
{
    std::map<std::string, PouvoirTalentWidget*> oLignes;
    for (PouvoirTalentWidget* poLigne : Lignes())
        oLignes.emplace(poLigne->GetName(), poLigne);
    const std::set<std::string> oVoulus(oNoms.begin(), oNoms.end());
    bool bChange = false;
    for (auto oLigne = oLignes.begin(); oLigne != oLignes.end();)
    {
        if (oVoulus.count(oLigne->first) != 0)
        {
            ++oLigne;
            continue;
        }
        mpoColonne->removeWidget(oLigne->second);
        delete oLigne->second;
        oLigne = oLignes.erase(oLigne);
        bChange = true;
    }
    // The rows come first, in order; the one spacer after them keeps them packed at the top of their column.
    for (int n = 0; n < static_cast<int>(oNoms.size()); ++n)
    {
        const std::string& oNom = oNoms[static_cast<std::size_t>(n)];
        const auto oLigne = oLignes.find(oNom);
        if (oLigne != oLignes.end() && mpoColonne->itemAt(n)->widget() == oLigne->second)
            continue;
        PouvoirTalentWidget* poLigne = nullptr;
        if (oLigne == oLignes.end())
            poLigne = Creer(oNom, fLigne(oNom), fBoite(oNom));
        else
        {
            poLigne = oLigne->second;
            mpoColonne->removeWidget(poLigne);
        }
        mpoColonne->insertWidget(n, poLigne, 10);
        // Shown at once rather than on the next turn of the event loop, so that the column's height counts it.
        poLigne->show();
        bChange = true;
    }
    if (!oNoms.empty() && Espaceur() == nullptr)
        mpoColonne->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Expanding));
    AjusterHauteur();
    return bChange;
}

void ColonneLignes::Vider()
{
    Suivre({}, {}, {});
}

PouvoirTalentWidget* ColonneLignes::Creer(const std::string& oNom, const QString& oToolTip, const QString& oAideBoite)
{
    auto* poLigne = new PouvoirTalentWidget(mpoColonne->parentWidget());
    poLigne->SetName(oNom.c_str());
    poLigne->setToolTip(TextePlain::Bulle(oToolTip));
    auto* poBoite = poLigne->findChild<QDoubleSpinBox*>();
    FiltreSaisie::Proteger(poBoite);
    poBoite->setToolTip(TextePlain::Bulle(oAideBoite));
    connect(poLigne, &PouvoirTalentWidget::ValueChanged, this,
            [this, poLigne] { emit LigneChangee(poLigne->GetName(), poLigne->GetValue()); });
    return poLigne;
}

void ColonneLignes::AjusterHauteur()
{
    QWidget* poConteneur = mpoColonne->parentWidget();
    poConteneur->resize(poConteneur->width(), mpoColonne->sizeHint().height());
}

void ColonneLignes::Aider(const Aide& fBoite)
{
    for (PouvoirTalentWidget* poLigne : Lignes())
        poLigne->findChild<QDoubleSpinBox*>()->setToolTip(TextePlain::Bulle(fBoite(poLigne->GetName())));
}

void ColonneLignes::Ecrire(const Valeur& fValeur)
{
    for (PouvoirTalentWidget* poLigne : Lignes())
    {
        // A row that already shows the value is left alone: writing it again costs the whole text of its box, and a
        // number still being typed there stays. The program's own writes never come back as edits.
        const std::optional<double> oMontree = fValeur(poLigne->GetName());
        if (!oMontree || poLigne->GetValue() == *oMontree)
            continue;
        const QSignalBlocker oBloque(poLigne);
        poLigne->SetValue(*oMontree);
    }
}

void ColonneLignes::Transmettre(const Valeur& fValeur)
{
    for (PouvoirTalentWidget* poLigne : Lignes())
    {
        const std::optional<double> oMontree = fValeur(poLigne->GetName());
        if (oMontree && poLigne->GetValue() != *oMontree)
            emit LigneChangee(poLigne->GetName(), poLigne->GetValue());
    }
}

std::vector<std::string> ColonneLignes::Coches() const
{
    std::vector<std::string> oNoms;
    for (const PouvoirTalentWidget* poLigne : Lignes())
    {
        if (poLigne->IsChecked())
            oNoms.push_back(poLigne->GetName());
    }
    return oNoms;
}
