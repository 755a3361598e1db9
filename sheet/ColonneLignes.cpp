#include "ColonneLignes.h"

#include "FiltreSaisie.h"
#include "PouvoirTalentWidget.h"

#include <QDoubleSpinBox>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
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

bool ColonneLignes::Suivre(const std::vector<Niveau>& oTenus, const Aide& fLigne, const Aide& fBoite)
{
    // The names come in order, so a row's name is found by halving.
    const auto Tenu = [&oTenus](const std::string& oNom) {
        const auto oTrouve = std::lower_bound(oTenus.begin(), oTenus.end(), oNom,
                                              [](const Niveau& oNiveau, const std::string& o) { return oNiveau.moNom < o; });
        return oTrouve != oTenus.end() && oTrouve->moNom == oNom;
    };
    std::set<std::string> oMontres;
    bool bEnleve = false;
    for (PouvoirTalentWidget* poLigne : Lignes())
    {
        std::string oNom = poLigne->GetName();
        if (Tenu(oNom))
        {
            oMontres.insert(std::move(oNom));
            continue;
        }
        mpoColonne->removeWidget(poLigne);
        delete poLigne;
        bEnleve = true;
    }
    if (oMontres.size() == oTenus.size())
    {
        AjusterHauteur();
        return bEnleve;
    }
    // Rows come before the one spacer that keeps them packed at the top of their column.
    if (QSpacerItem* poEspaceur = Espaceur())
    {
        mpoColonne->removeItem(poEspaceur);
        delete poEspaceur;
    }
    for (const Niveau& oTenu : oTenus)
    {
        if (oMontres.count(oTenu.moNom) == 0)
            Ajouter(oTenu.moNom, fLigne(oTenu.moNom), fBoite(oTenu.moNom));
    }
    mpoColonne->addItem(new QSpacerItem(10, 10, QSizePolicy::Expanding, QSizePolicy::Expanding));
    AjusterHauteur();
    return true;
}

void ColonneLignes::Vider()
{
    Suivre({}, {}, {});
}

void ColonneLignes::Ajouter(const std::string& oNom, const QString& oToolTip, const QString& oAideBoite)
{
    auto* poLigne = new PouvoirTalentWidget(mpoColonne->parentWidget());
    poLigne->SetName(oNom.c_str());
    poLigne->setToolTip(oToolTip);
    auto* poBoite = poLigne->findChild<QDoubleSpinBox*>();
    FiltreSaisie::Proteger(poBoite);
    poBoite->setToolTip(oAideBoite);
    mpoColonne->addWidget(poLigne, 10);
    // Shown at once rather than on the next turn of the event loop, so that the column's height counts it.
    poLigne->show();
    connect(poLigne, &PouvoirTalentWidget::ValueChanged, this,
            [this, poLigne] { emit LigneChangee(poLigne->GetName(), poLigne->GetValue()); });
}

void ColonneLignes::AjusterHauteur()
{
    QWidget* poConteneur = mpoColonne->parentWidget();
    poConteneur->resize(poConteneur->width(), mpoColonne->sizeHint().height());
}

void ColonneLignes::Aider(const Aide& fBoite)
{
    for (PouvoirTalentWidget* poLigne : Lignes())
        poLigne->findChild<QDoubleSpinBox*>()->setToolTip(fBoite(poLigne->GetName()));
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
