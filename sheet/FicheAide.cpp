#include "Fiche.h"

#include "ColonneLignes.h"
#include "PouvoirTalentWidget.h"
#include "model/Aides.h"
#include "model/Personnage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace
{
QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
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

QString Fiche::AideLigne(bool bTalent, const std::string& oNom) const
{
    const int nGrade = GetPerso()->GetGrade();
    if (bTalent)
        return Texte(Aides::ValeurTalent(*GetPerso()->GetListeDesTalents()->at(oNom), nGrade));
    return Texte(Aides::ValeurPouvoir(*GetPerso()->GetListeDesPouvoirs()->at(oNom), nGrade));
}

void Fiche::MettreAJourAides()
{
    const int nGrade = GetPerso()->GetGrade();
    if (nGrade == mnGradeDesAides)
        return;
    mnGradeDesAides = nGrade;
    for (const BoiteCaract& oBoite : moBoitesCaract)
        oBoite.mpoBox->setToolTip(Texte(Aides::Caracteristique(oBoite.meCaract, nGrade)));
    PPValue->setToolTip(Texte(Aides::PP(nGrade)));
    mpoColonneTalents->Aider([this](const std::string& oNom) { return AideLigne(true, oNom); });
    mpoColonnePouvoirs->Aider([this](const std::string& oNom) { return AideLigne(false, oNom); });
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
    for (const ColonneLignes* poColonne : {mpoColonnePouvoirs, mpoColonneTalents})
    {
        for (PouvoirTalentWidget* poLigne : poColonne->Lignes())
            oOrdre << poLigne->findChild<QCheckBox*>() << poLigne->findChild<QDoubleSpinBox*>();
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
