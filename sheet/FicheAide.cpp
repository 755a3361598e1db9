#include "Fiche.h"

#include "PouvoirTalentWidget.h"
#include "model/Aides.h"
#include "model/Personnage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHelpEvent>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QToolTip>

#include <algorithm>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

// A list entry the character cannot take now is greyed, and says why instead of what it is.
void Griser(QComboBox* poListe, int nEntree, const QString& oPourquoi, const QString& oAide)
{
    auto* poModele = qobject_cast<QStandardItemModel*>(poListe->model());
    QStandardItem* poEntree = poModele->item(nEntree);
    poEntree->setToolTip(oPourquoi.isEmpty() ? oAide : oPourquoi);
    poEntree->setForeground(oPourquoi.isEmpty() ? QBrush() : poListe->palette().brush(QPalette::Disabled, QPalette::Text));
}

bool EstTenu(const std::vector<Niveau>& oTenus, const std::string& oNom)
{
    return std::any_of(oTenus.begin(), oTenus.end(), [&oNom](const Niveau& oTenu) { return oTenu.moNom == oNom; });
}
}

void Fiche::Annoncer(const QString& oTexte, bool bRefus)
{
    if (BarreEtat->font().bold() != bRefus)
    {
        QFont oPolice = BarreEtat->font();
        oPolice.setBold(bRefus);
        BarreEtat->setFont(oPolice);
    }
    BarreEtat->setText(oTexte);
    BarreEtat->setToolTip(oTexte);
}

void Fiche::AnnoncerRaisons()
{
    QStringList oTextes;
    const std::string& oRaison = mpoPerso->GetRaison();
    if (!oRaison.empty())
        oTextes << Texte(oRaison);
    for (const std::string& oRemarque : mpoPerso->GetRemarques())
        oTextes << Texte(oRemarque);
    Annoncer(oTextes.join(QStringLiteral(" ; ")), !oRaison.empty());
}

QString Fiche::AideLigne(bool bTalent, const std::string& oNom) const
{
    const int nGrade = mpoPerso->GetGrade();
    if (bTalent)
        return Texte(Aides::ValeurTalent(*mpoPerso->GetListeDesTalents()->at(oNom), nGrade));
    return Texte(Aides::ValeurPouvoir(*mpoPerso->GetListeDesPouvoirs()->at(oNom), nGrade));
}

void Fiche::MettreAJourAides()
{
    const int nGrade = mpoPerso->GetGrade();
    if (nGrade == mnGradeDesAides)
        return;
    mnGradeDesAides = nGrade;
    for (const BoiteCaract& oBoite : moBoitesCaract)
        oBoite.mpoBox->setToolTip(Texte(Aides::Caracteristique(oBoite.meCaract, nGrade)));
    PPValue->setToolTip(Texte(Aides::PP(nGrade)));
    for (auto [poColonne, bTalent] : {std::pair{vboxLayout1, true}, std::pair{vboxLayout, false}})
    {
        for (int i = 0; i < poColonne->count(); ++i)
        {
            if (auto* poLigne = qobject_cast<PouvoirTalentWidget*>(poColonne->itemAt(i)->widget()))
                poLigne->findChild<QDoubleSpinBox*>()->setToolTip(AideLigne(bTalent, poLigne->GetName()));
        }
    }
}

void Fiche::MettreAJourListes()
{
    const ListePouvoirs::Map* poPouvoirs = mpoPerso->GetListeDesPouvoirs();
    for (int i = 0; poPouvoirs != nullptr && i < PouvoirsListe->count(); ++i)
    {
        const std::string oNom = PouvoirsListe->itemText(i).toStdString();
        Pouvoir& oModele = *poPouvoirs->at(oNom);
        QString oPourquoi;
        if (EstTenu(mpoEtat->moPouvoirs, oNom))
            oPourquoi = tr("Déjà acquis");
        else if (!mpoPerso->AllConditionsPouvoir(&oModele))
            oPourquoi = tr("Réservé aux serviteurs de %1").arg(Texte(oModele.GetSpecialOf()));
        Griser(PouvoirsListe, i, oPourquoi, Texte(Aides::EntreePouvoir(oModele)));
    }
    const ListeTalents::Map* poTalents = mpoPerso->GetListeDesTalents();
    for (int i = 0; i < comboBoxTalents->count(); ++i)
    {
        const std::string oNom = comboBoxTalents->itemText(i).toStdString();
        Griser(comboBoxTalents, i, EstTenu(mpoEtat->moTalents, oNom) ? tr("Déjà acquis") : QString(),
               Texte(Aides::EntreeTalent(*poTalents->at(oNom))));
    }
}

void Fiche::OrdonnerTabulation()
{
    QList<QWidget*> oOrdre;
    for (QWidget* poWidget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    {
        if (poWidget->focusPolicy() & Qt::TabFocus)
            oOrdre << poWidget;
    }
    std::stable_sort(oOrdre.begin(), oOrdre.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    // The powers' column stands on the left, the talents' on the right.
    for (QVBoxLayout* poColonne : {vboxLayout, vboxLayout1})
    {
        for (int i = 0; i < poColonne->count(); ++i)
        {
            if (QWidget* poLigne = poColonne->itemAt(i)->widget())
                oOrdre << poLigne->findChild<QCheckBox*>() << poLigne->findChild<QDoubleSpinBox*>();
        }
    }
    for (qsizetype i = 1; i < oOrdre.size(); ++i)
        setTabOrder(oOrdre[i - 1], oOrdre[i]);
}

bool Fiche::event(QEvent* poEvent)
{
    // The sheet's own tool tip is for its empty background; a widget without a tool tip of its own shows none.
    if (poEvent->type() == QEvent::ToolTip && childAt(static_cast<QHelpEvent*>(poEvent)->pos()) != nullptr)
    {
        QToolTip::hideText();
        poEvent->ignore();
        return true;
    }
    return QWidget::event(poEvent);
}
