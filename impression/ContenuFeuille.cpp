#include "ContenuFeuille.h"

#include "journal/Achats.h"
#include "model/Personnage.h"
#include "model/Texte.h"

#include <array>

namespace
{
// The headings of the talents, in the order the sheet prints them.
enum Rubrique
{
    Primaires,
    Secondaires,
    Exotiques,
    Langues,
    NombreDeRubriques
};

QString Texte(const std::string& oTexte)
{
    return QString::fromStdString(oTexte);
}

QString Demis(double fValeur)
{
    return Texte(DemiPoints(fValeur));
}

QString NomCamp(PERSO eCamp)
{
    switch (eCamp)
    {
    case DEMON:
        return QStringLiteral("Démon");
    case ANGE:
        return QStringLiteral("Ange");
    default:
        return QStringLiteral("Sans camp");
    }
}

// A language is a secondary talent by priority, but a player looks for it among the languages.
Rubrique RubriqueDe(const Talent& oTalent)
{
    if (dynamic_cast<const Langue*>(&oTalent) != nullptr)
        return Langues;
    switch (oTalent.GetPriorite())
    {
    case PRIMAIRE:
        return Primaires;
    case SECONDAIRE:
        return Secondaires;
    default:
        return Exotiques;
    }
}

std::vector<CaseFeuille> Points(const Personnage& oPerso)
{
    return {
        {QStringLiteral("PA total"), QString::number(oPerso.GetPATotal())},
        {QStringLiteral("PA restant"), QString::number(oPerso.GetPA())},
        {QStringLiteral("PA secondaire"), QString::number(oPerso.GetPASecondaire())},
        {QStringLiteral("PA converti"), QString::number(oPerso.GetPAConverti())},
    };
}

std::vector<CaseFeuille> Caracteristiques(const Personnage& oPerso)
{
    std::vector<CaseFeuille> oCases;
    for (int nCaract = FORCE; nCaract < AUCUNE; ++nCaract)
    {
        const auto eCaract = static_cast<CARACT>(nCaract);
        oCases.push_back({QString::fromUtf8(NomCaracteristique(eCaract)), Demis(oPerso.GetCaract(eCaract))});
    }
    return oCases;
}

std::vector<CaseFeuille> Derivees(const Personnage& oPerso)
{
    return {
        {QStringLiteral("PP"), QString::number(oPerso.GetPPValue())},
        {QStringLiteral("PF"), QString::number(oPerso.GetPF())},
        {QStringLiteral("BL"), QString::number(oPerso.GetBL())},
        {QStringLiteral("BG"), QString::number(oPerso.GetBG())},
        {QStringLiteral("BF"), QString::number(oPerso.GetBF())},
        {QStringLiteral("MS"), QString::number(oPerso.GetMS())},
    };
}

// The held names come in byte order, which each group keeps.
std::array<GroupeFeuille, NombreDeRubriques> Talents(const Personnage& oPerso, const EtatPersonnage& oEtat)
{
    const QString oNiveau = QStringLiteral("niveau");
    const QString oScore = QStringLiteral("score");
    std::array<GroupeFeuille, NombreDeRubriques> oGroupes = {{
        {QStringLiteral("Talents primaires"), oNiveau, oScore, {}},
        {QStringLiteral("Talents secondaires"), oNiveau, oScore, {}},
        {QStringLiteral("Talents exotiques"), oNiveau, oScore, {}},
        {QStringLiteral("Langues"), oNiveau, oScore, {}},
    }};
    for (const Niveau& oTalent : oEtat.moTalents)
    {
        const Talent& oTenu = *oPerso.TrouverTalent(oTalent.moNom);
        oGroupes[RubriqueDe(oTenu)].moLignes.push_back(
            {Texte(oTalent.moNom), QString(), Demis(oTalent.mfNiveau), Demis(oPerso.Score(oTenu))});
    }
    return oGroupes;
}

GroupeFeuille Pouvoirs(const Personnage& oPerso, const EtatPersonnage& oEtat)
{
    GroupeFeuille oGroupe{QStringLiteral("Pouvoirs"), QStringLiteral("niveau"), QStringLiteral("prix ½ niv."), {}};
    for (const Niveau& oPouvoir : oEtat.moPouvoirs)
    {
        const Pouvoir& oModele = *oPerso.GetListeDesPouvoirs()->at(oPouvoir.moNom);
        oGroupe.moLignes.push_back({Texte(oPouvoir.moNom),
                                    oModele.IsInvariable() ? QStringLiteral("invariable") : QString(),
                                    Demis(oPouvoir.mfNiveau), Texte(oModele.GetToolTip())});
    }
    return oGroupe;
}

// Paragraphs as the player typed them, whatever line ends the text came with; blank lines at the end say nothing.
QStringList Notes(const std::string& oNotes)
{
    QString oTexte = Texte(oNotes);
    oTexte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList oParagraphes = oTexte.split(QLatin1Char('\n'));
    while (!oParagraphes.isEmpty() && oParagraphes.last().trimmed().isEmpty())
        oParagraphes.removeLast();
    return oParagraphes;
}

// Each award bought what changed until the next one, or until now for the last.
std::vector<AttributionFeuille> Attributions(const Personnage& oPerso, const Journal& oJournal,
                                             const EtatPersonnage& oMaintenant)
{
    std::vector<AttributionFeuille> oAttributions;
    for (std::size_t n = 0; n < oJournal.size(); ++n)
    {
        const Attribution& oAttribution = oJournal[n];
        const QString oDate =
            oAttribution.moDate.empty() ? QStringLiteral("date inconnue") : Texte(oAttribution.moDate);
        oAttributions.push_back({oDate, Texte(Journaux::PA(oAttribution.mnPA)), Texte(oAttribution.moRaison),
                                 Texte(ResumeDe(oPerso, oJournal, n, oMaintenant))});
    }
    return oAttributions;
}
}

ContenuFeuille ContenuDe(const Personnage& oPerso, const Journal& oJournal)
{
    const EtatPersonnage oEtat = oPerso.GetEtat();
    ContenuFeuille oContenu;
    oContenu.moNom = oEtat.moNom.empty() ? QStringLiteral("Sans nom") : Texte(oEtat.moNom);
    oContenu.moCamp = NomCamp(oEtat.meCamp);
    oContenu.moSuperieur = oEtat.moSuperieur.empty() ? QStringLiteral("aucun") : Texte(oEtat.moSuperieur);
    oContenu.moGrade = QString::number(oEtat.mnGrade);
    oContenu.moPoints = Points(oPerso);
    oContenu.moCaracteristiques = Caracteristiques(oPerso);
    oContenu.moDerivees = Derivees(oPerso);
    for (GroupeFeuille& oGroupe : Talents(oPerso, oEtat))
    {
        if (!oGroupe.moLignes.empty())
            oContenu.moGroupes.push_back(std::move(oGroupe));
    }
    GroupeFeuille oPouvoirs = Pouvoirs(oPerso, oEtat);
    if (!oPouvoirs.moLignes.empty())
        oContenu.moGroupes.push_back(std::move(oPouvoirs));
    oContenu.moNotes = Notes(oEtat.moNotes);
    oContenu.moJournal = Attributions(oPerso, oJournal, oEtat);
    return oContenu;
}
